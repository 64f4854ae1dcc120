#pragma once

#include <QString>
#include <QStringList>

// Content is prepared on systems whose file names ignore letter case and whose
// paths use "\". These helpers turn such names into paths on this disk.
namespace ContentPaths {

// Joins `base` (a folder on disk) with `relative`, which may use "\" or "/".
// Each component that does not exist with its exact spelling is matched
// without regard to case; when nothing matches, the exact spelling is kept, so
// the result names the file a writer would create.
QString Resolve(const QString& base, const QString& relative);

// Names of the files directly in `folder` whose name ends in `suffix`
// (compared without regard to case), sorted ascending without regard to case
// (ties broken by the exact name), which is the order of the listings the
// content was prepared with.
QStringList ListFiles(const QString& folder, const QString& suffix);

} // namespace ContentPaths
