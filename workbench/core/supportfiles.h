#pragma once
// Support Files: the image, audio and class files a widget's HTML needs, as the component
// lists them, and their copying into a folder of the user's choice.

#include <string>
#include <vector>

namespace tb {

class CTessera;

struct CSupportFile {
    std::string name;      // the file's name
    std::string localPath; // the folder it is copied from, as the component gives it
    std::string webPath;   // where the HTML looks for it
    friend bool operator==(const CSupportFile&, const CSupportFile&) = default;
};

// The widget's resources in its order, each once: a row that repeats an earlier one in all
// three texts is left out. The count is asked again after every row.
std::vector<CSupportFile> ListSupportFiles(CTessera& widget);

// Copies each file (local path followed directly by the name) into folder under its name,
// replacing what is there. Returns the names of the files that could not be copied.
std::vector<std::string> CopySupportFiles(const std::vector<CSupportFile>& files,
                                          const std::string& folder);

// The message after a copy: "Copy support files to %s success!", followed, when some files
// failed, by a line naming them.
std::string SupportFilesCopiedMessage(const std::string& folder,
                                      const std::vector<std::string>& failed);

} // namespace tb
