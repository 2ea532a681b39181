#pragma once

// Command identifiers of the main window: buttons and menu items share them.
namespace cmd {
enum : int {
    Ok = 1,
    Exit = 2,
    Prev = 1000,
    Play = 1001,
    Next = 1002,
    Stop = 1003,
    Delete = 1008,
    PlayLoop = 1009,
    Record = 1022,
    Open = 1025,
    About = 1028,
    Volume = 1030,
    RecordVolume = 1031,
    Menu = 1035,
    EditSound = 1036,
    Close = 1051,
    Help = 1052,
    Minimize = 1097,
    Insert = 32773,
    Rename = 32774,
    CopyTo = 32775,
    Favorites = 32780,
    RefreshList = 32781,
    // The twelve event assignments of "&Assign Sound...".
    AssignMenuPopup = 32783,
    AssignDefaultSound = 32784,
    AssignExitWindows = 32785,
    AssignStartWindows = 32786,
    AssignMenuCommand = 32787,
    AssignMaximize = 32788,
    AssignMinimize = 32789,
    AssignRestoreUp = 32790,
    AssignRestoreDown = 32791,
    AssignOpenProgram = 32792,
    AssignCloseProgram = 32793,
    AssignMailNotification = 32794,
    TextList = 32795,
    HtmlList = 32796,
    SchemeBuilder = 32797,
    Options = 32798,
    Properties = 32799,
    PlayAll = 32800,
    WebPage = 32801,
    SendMail = 32805,
    SoundTags = 32810,
};
} // namespace cmd

// Play All's timer fires every 600 ms.
inline constexpr int kPlayAllIntervalMs = 600;
