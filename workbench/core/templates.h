#pragma once
// Templates: widget files from which a new widget can start. The program's own templates lie
// in the component's folder, which an installation makes read-only; the user's lie in a
// per-user folder, where new and renamed templates go. A template file is named
// "Name_ProgID.tsq" (any ".tsq" of the component's ProgID counts); what a list shows is the
// Title and Description stored in the file, never the file's name.

#include <string>
#include <vector>

namespace tb {

class CTessera;

// The listing: three parallel arrays of equal length.
struct CTemplateList {
    std::vector<std::string> names;
    std::vector<std::string> descriptions;
    std::vector<std::string> paths; // full paths

    size_t Size() const { return paths.size(); }
    void Clear();
    void Erase(size_t nIndex);
};

// The folder of the user's own templates, made when missing; "" when there is no such
// folder.
std::string UserTemplateFolder();

// "folder/Name_ProgID.tsq", or "folder/" alone while the name is empty.
std::string TemplatePath(const std::string& folder, const std::string& name,
                         const std::string& progID);

// The files with the extension (".tsq") of componentFolder, then of userFolder (when given and
// another folder), each folder's in the order the file system gives them.
std::vector<std::string> TemplateFiles(const std::string& componentFolder,
                                       const std::string& userFolder, const std::string& extension);

// Reads every ".tsq" file of the component's folder, then of userFolder (when given and
// another folder), into the wrapper's own object and lists those that name the wrapper's
// ProgID. Each file is read into a cleared catalogue, so that a file that lacks an entry is
// listed with it empty rather than with the previous file's. Afterwards the wrapper holds the
// last file read.
CTemplateList ListTemplates(CTessera& lister, const std::string& userFolder);

// Whether the template at path is one the program ships (in the component's folder), which
// the user cannot rename or delete.
bool IsShippedTemplate(const CTessera& lister, const std::string& path);

// Save as Template's last step: the widget, with Title name and Description description,
// written to path; then its Title and Description as they were. Shows "Save as the template
// success!" or "Save as the template failure!"; true on success.
bool SaveWidgetAsTemplate(CTessera& widget, const std::string& path, const std::string& name,
                          const std::string& description);

} // namespace tb
