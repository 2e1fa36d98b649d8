#include "ViewerStartup.h"

int main(int argc, char** argv) {
    return tarvik::RunViewer(argc, argv);
}
