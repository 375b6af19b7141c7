#pragma once

#include "AppSettings.h"

#include <QVariant>

#include <climits>
#include <span>
#include <variant>

// The registry key of a setting: the program's main key, or the relative key "Undo".
enum class TSettingKey { Main, Undo };

// Where a setting's default comes from when it is not a fixed value.
enum class TSettingDefault {
    Fixed,
    EditorFontName,
    EditorFontSize,
    ErrorFontName,
    ErrorFontSize,
    ProgramFolder
};

// One of the four browser programs "Browser1" .. "Browser4".
struct TBrowserSlot
{
    int Index;
};

// The in-memory field of a setting; its type is the type stored in the registry (a bool as
// 0 or 1, the integers as 32-bit numbers, the strings as strings).
using TSettingField = std::variant<bool TSettings::*,
                                   qint32 TSettings::*,
                                   qint16 TSettings::*,
                                   QString TSettings::*,
                                   TBrowserSlot>;

// One setting: where it lives, its field, its default, the mirror subkey that gets a copy, and
// the range an integer is clamped to when it is loaded.
struct TSettingRow
{
    TSettingKey Key;
    const char *Name;
    TSettingField Field;
    QVariant Default = {};
    TSettingDefault From = TSettingDefault::Fixed;
    const char *Mirror = nullptr;
    // False for settings that are never loaded and only reach the mirror subkey.
    bool Persisted = true;
    int Min = INT_MIN;
    int Max = INT_MAX;
};

// Every setting, in the order of loading.
std::span<const TSettingRow> SettingRows();
