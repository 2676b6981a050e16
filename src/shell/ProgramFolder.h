#pragma once

#include <QString>

namespace cardisto {

// The folder the program runs from, where it looks for its pointer files, the skin and the sample
// files. Windows and commands are handed one, so tests can point them at a folder of their own.
class ProgramFolder {
public:
    // The folder of the running executable.
    ProgramFolder();
    explicit ProgramFolder(QString path);

    const QString& path() const { return m_path; }
    // The folder joined with a relative name, in native separators ("x/skin.qss" included).
    QString filePath(const QString& relativeName) const;

private:
    QString m_path;
};

} // namespace cardisto
