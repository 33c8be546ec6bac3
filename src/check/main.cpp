// tolvane-check: says what the launcher will do with a disc.
#include "check/check_program.h"
#include "platform/disc/console.h"

int main(int argc, char** argv) {
  return tolvane::check::RunCheckProgram(tolvane::ConsoleArguments(argc, argv));
}
