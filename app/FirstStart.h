#pragma once
// First start: creates the base folder's sub-folders and copies in the default data the learner lacks, never
// overwriting a learner's own files.
#include <QString>
#include <QStringList>

struct FirstStartResult {
    bool ok = true;
    QStringList copied;   // files added, relative to the base folder
    QStringList problems; // folders or files that could not be created, in plain Chinese for the learner
};

// defaultData is the program folder's data/ (libraries by category), baseFolder ends with '/'.
// Speech recordings and game pictures shipped in the program folder (speech/, pic/) are copied too.
FirstStartResult installDefaultData(const QString& programFolder, const QString& baseFolder);
// True when the base folder's speech folder holds no recordings yet.
bool speechFolderEmpty(const QString& baseFolder);
