#include "workbench/vellumotoolapp.h"

int main(int argc, char** argv) {
    return tb::CVellumoToolApp::Run(argc, argv);
}
