#pragma once

#include <QString>

// Deletes the scratch files "TEMP*" and "TMP*" (any letter case, any extension) in the folder,
// read-only and hidden ones included. Files that cannot be deleted stay, without a message.
void DeleteScratchFilesIn(const QString &directory);
