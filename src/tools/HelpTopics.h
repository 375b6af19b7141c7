#pragma once

#include "RtfReader.h"

#include <QString>
#include <QStringList>

#include <span>

// One reference help topic: its number, its file and its menu item in the document windows.
struct THelpTopic
{
    int Number;
    const char *FileName;
    const char *Caption;
    const char *ItemName;
};

// The nine topics in menu order (numbers 1 to 9).
std::span<const THelpTopic> HelpTopics();
// The topic of a number, or null for a number without a topic.
const THelpTopic *FindHelpTopic(int number);

// Folders that may hold the topic files, in the order they are searched: the program's own
// folder, its "help" subfolder (the build tree) and share/html-editor/help beside the program's
// bin folder (an installation).
QStringList HelpDirectories(const QString &programDirectory);

// A topic as read from its file: the document, or a German reason why there is none.
struct THelpTopicText
{
    bool Ok = false;
    TRtfDocument Document;
    QString Error;
};

// Finds and reads the topic file of a number from the help folders of the program directory.
THelpTopicText ReadHelpTopic(int number, const QString &programDirectory);
