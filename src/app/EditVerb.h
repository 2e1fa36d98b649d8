#pragma once

#include <QString>

#include "LaunchParams.h"

namespace tarvik {

// The desktop entry with the action "Edytuj w " + the editor's name added, which runs program
// with "/e" on the scenery; the rest of the text stays as it is.
QString WithEditAction(const QString& entryText, const QString& editorName, const QString& program);

// Whether the entry offers an edit action already.
bool HasEditAction(const QString& entryText);

// Adds the edit action to the desktop entry at entryPath (written afresh for program when it
// is missing), when the first editor has a name and an existing program and the entry has no
// edit action yet. False when the file could not be written.
bool RegisterEditVerb(const QString& entryPath, const EditorSlot& firstEditor,
                      const QString& program);

}  // namespace tarvik
