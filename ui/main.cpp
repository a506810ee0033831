// ZAPT: explores a corpus of British-English text messages.
#include "ui/program.h"

int main(int argc, char** argv) {
    return zapt::ui::run_program(argc, argv);
}
