#pragma once
// Opening a help page or a file with the desktop's default viewer ("open").
// Never goes through a command shell. Tests replace the opener.

#include <QString>
#include <functional>

namespace kvadus {

// Opens the file (a path relative to the working folder or absolute).
// Returns false when the file does not exist or no viewer could be started.
bool openDocument(const QString& path);

using DocumentOpener = std::function<bool(const QString& path)>;
// Installs another opener (an empty one restores the desktop's); returns the
// previous one.
DocumentOpener setDocumentOpener(DocumentOpener opener);

// "help" + separator + file name, as the user is shown it.
QString helpPath(const QString& fileName);

}  // namespace kvadus
