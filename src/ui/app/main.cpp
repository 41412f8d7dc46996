// quelvarin: the workstation's windows over the installation tree.
#include "ui/app/WorkstationApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    return quelvarin::ui::RunWorkstation(argc, argv);
}
