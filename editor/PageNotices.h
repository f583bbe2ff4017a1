// The messages and questions of the page on display, in the programmer's own words.
#pragma once

#include <string>

namespace editor {

// A message box: its title and its text, lines joined by CR LF.
struct Notice {
    std::string Title;
    std::string Text;

    bool operator==(const Notice& o) const { return Title == o.Title && Text == o.Text; }
};

// Asked, with Yes, No and Cancel, before the user leaves a line with unsaved edits.
inline const Notice kSaveChanges{"Save Changes",
                                 "You have unsaved changes on this line\r\n"
                                 "Do you want to save them now?"};

// Asked, with Yes and No, when the page just listed has problems.
inline const Notice kViewErrorLog{"Program Errors",
                                  "A possible error was found on this page\r\n"
                                  "Do you want to view the error log?"};

// The warnings of the line operations and of storing a line.
inline const Notice kPageFull{"Insert Line", "Sorry, this page is full"};
inline const Notice kCannotDeleteEndPage{"Delete Line", "Cannot delete End Page"};
inline const Notice kNoRoomToPaste{"Insert Lines",
                                   "There are not enough lines available on this page\r\n"
                                   "to complete the insert operation"};
inline const Notice kNoRoomToReplace{"Replace Lines",
                                     "There are not enough lines available on this page\r\n"
                                     "to complete the replace operation"};

}  // namespace editor
