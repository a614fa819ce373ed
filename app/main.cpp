#include "app/CStudyDeckApp.h"
#include "audio/QtPcmOutput.h"

int main(int argc, char** argv) {
    int code = 0;
    {
        // Everything is saved and closed when the application object goes.
        CStudyDeckApp app(argc, argv);
        code = app.InitInstance();
    }
    vt::exitWithoutLibraryTeardown(code);
}
