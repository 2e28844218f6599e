// Runs the Qt Test classes of the button control one after another.
#include <QApplication>
#include <QTest>

#include "testsupport.h"

int runPropertyBagTests(int argc, char** argv);
int runButtonTests(int argc, char** argv);
int runButtonPaintTests(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Known system colours for every button made in the tests.
    QApplication::setPalette(testsupport::fixedPalette());
    int failed = 0;
    failed += runPropertyBagTests(argc, argv);
    failed += runButtonTests(argc, argv);
    failed += runButtonPaintTests(argc, argv);
    return failed == 0 ? 0 : 1;
}
