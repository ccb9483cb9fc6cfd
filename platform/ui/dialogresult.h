#pragma once
// Dialog results and the matching button identifiers keep the platform's numbers, so that a
// dialog's OK button (1) and a message box's OK answer compare equal wherever they meet.

enum : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDABORT = 3,
    IDRETRY = 4,
    IDIGNORE = 5,
    IDYES = 6,
    IDNO = 7,
};
