#include "vellumo/vellumoapp.h"

int main(int argc, char** argv) {
    return tb::vellumo::RunVellumo(argc, argv);
}
