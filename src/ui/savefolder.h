#pragma once

#include <QDir>
#include <QFileInfo>
#include <QString>

// The folder a save dialog opens in: the home folder at first, then the
// folder of the last file saved, for the rest of the run. Nothing is kept
// between runs: the program reads and writes no settings.
namespace molvix::ui {

inline QString &lastSaveFolder()
{
    static QString folder;
    return folder;
}

inline QString saveFolder()
{
    const QString &last = lastSaveFolder();
    return last.isEmpty() ? QDir::homePath() : last;
}

// Called once a file has been saved under path.
inline void rememberSaveFolder(const QString &path)
{
    lastSaveFolder() = QFileInfo(path).absolutePath();
}

} // namespace molvix::ui
