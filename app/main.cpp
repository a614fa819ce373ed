#include "app/CStudyDeckApp.h"

int main(int argc, char** argv) {
    CStudyDeckApp app(argc, argv);
    return app.InitInstance();
}
