#pragma once
// The application object: sets up fonts and the profile name, runs the main window, ends when it closes.
#include <QApplication>

class CStudyDeckApp : public QApplication {
    Q_OBJECT
public:
    CStudyDeckApp(int& argc, char** argv);
    // Runs the main window; returns the process exit code.
    int InitInstance();
};
