#pragma once
// TExIniFile: texts stored under a section and an identifier, in an INI-style
// file or below a registry key. It is the store of the configuration
// component; one object serves one load or save pass.
//
// File mode (Create). The file is UTF-8 text with CR LF line ends:
//
//   [TVocalithInstallForm]
//   FolderSelect.History=C:\Tools;C:\Ostrell;         ; string
//   Caption="  padded text  "                         ; TCaption
//
// - "[Section]" lines open a section; "Ident=Value" lines belong to the
//   section above them. Sections and identifiers compare without regard to
//   case (A-Z) and keep the spelling they were first written with; a section
//   may appear in several blocks, and the first occurrence of an identifier
//   counts. Lines starting with ";" or "#" are comments.
// - A value is written bare when it reads back unchanged that way, and
//   quoted otherwise: when it begins or ends with a blank or a control
//   character, begins with '"' or ';', holds a control character, or holds a
//   ';' after a blank or tab. In a quoted value '"' is written '""', '%' is
//   written "%25" and a control character as "%" and two hex digits (CR is
//   "%0D"). So every text, including non-ASCII UTF-8, reads back exactly.
// - Reading a bare value takes the text after the first "=", without the
//   blanks around it, up to a ';' that follows a blank or tab or that
//   starts the value: that ';' begins a comment. After a quoted value's
//   closing quote the rest of the line is ignored. An unterminated quote is
//   read as a bare value.
// - The hint of WriteStringEx (with hints enabled and a non-empty hint) is a
//   trailing comment "; hint" whose ';' stands at character column
//   HintPosition of the line (0 is the first column), or one blank after the
//   value when the value reaches that column. Control characters in a hint
//   are written as blanks. Reading ignores the hint.
// - The file is read once, when the object is created (a missing file is an
//   empty one), and written back by Commit, which the destructor calls: only
//   when something was changed. A file that exists but cannot be read makes
//   Create raise, so that a later commit cannot replace the user's file with
//   only the values written since.
// - KeepComments (the third switch; every caller switches it on): on, the
//   file keeps its comments, blank lines and any lines it does not
//   understand where they stand, and values nobody wrote keep their lines
//   exactly. Off, Commit rewrites the file from its sections and values
//   only: one blank line between sections, no comments, and hints only on
//   the values written (with a hint) by this object.
//
// Registry mode (CreateInRegistry). Each section is a subkey of the path
// (the empty section is the path's key itself) and each identifier a string
// value of that subkey; hints are not stored. Writes go to the registry at
// once, so Commit has nothing left to do. A store opened for reading never
// creates a key: a path or section that does not exist reads every value as
// its default, and writing through it raises. A store opened for writing
// creates the path's key when it is created (raising when it cannot), and
// each section's subkey when a value is first written into it. A value of
// another type than text reads as absent.
//
// Failures raise: EIniFileError for the file, ERegistryException for the
// registry. Invalid names raise EIniFileError in file mode: a section with
// "]", an identifier with "=", names with control characters or with
// blanks at either end, and identifiers starting with "[", ";" or "#".

#include <memory>
#include <string>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/Object.h"
#include "runtime/RegistryKey.h"

class EIniFileError : public EStreamError {
  public:
    using EStreamError::EStreamError;
};

class TExIniFile : public TObject {
    PF_CLASS(TExIniFile)
  public:
    // File mode on fileName (used as given: pass a full path).
    static std::unique_ptr<TExIniFile> Create(const std::string& fileName);
    // Registry mode below root\path; forWriting when saving.
    static std::unique_ptr<TExIniFile> CreateInRegistry(TRegistryKey root, const std::string& path,
                                                        bool forWriting);
    // Commits what is left (see Commit). A failure cannot be reported from
    // here: callers that must know call Commit first.
    ~TExIniFile() override;
    TExIniFile(const TExIniFile&) = delete;
    TExIniFile& operator=(const TExIniFile&) = delete;

    bool InRegistry() const { return inRegistry_; }
    const std::string& FileName() const { return fileName_; }
    TRegistryKey RegistryRoot() const { return root_; }
    const std::string& RegistryPath() const { return path_; }
    bool ForWriting() const { return forWriting_; }

    // Column of the hints' ";" (file mode), 49 unless set.
    int HintPosition() const { return hintPosition_; }
    void SetHintPosition(int column) { hintPosition_ = column; }
    // Whether WriteStringEx writes its hint, on unless set.
    bool HintsEnabled() const { return hintsEnabled_; }
    void SetHintsEnabled(bool enabled) { hintsEnabled_ = enabled; }
    // Whether a commit keeps the file's comments and foreign lines, off
    // unless set.
    bool KeepComments() const { return keepComments_; }
    void SetKeepComments(bool keep) { keepComments_ = keep; }

    // The stored text, or def when there is none.
    std::string ReadString(const std::string& section, const std::string& ident,
                           const std::string& def);
    void WriteString(const std::string& section, const std::string& ident,
                     const std::string& value);
    // WriteString with a hint (see the file layout).
    void WriteStringEx(const std::string& section, const std::string& ident,
                       const std::string& value, const std::string& hint);
    bool ValueExists(const std::string& section, const std::string& ident);
    // Removes a value; an absent one is no error.
    void DeleteKey(const std::string& section, const std::string& ident);
    // Removes a section with all its values; an absent one is no error. In
    // registry mode the subkey goes with its own subkeys; the empty section
    // loses its values only, so that the other sections stay.
    void EraseSection(const std::string& section);

    // Whether the file has changes that are not yet written.
    bool Modified() const { return modified_; }
    // Writes the file when it was changed (file mode). Raises EIniFileError
    // when it cannot be written; the changes then stay pending, so a later
    // Commit may still succeed.
    void Commit();

  private:
    TExIniFile() = default;

    struct Line {
        enum class Kind { Blank, Comment, Section, Value, Other };
        Kind kind = Kind::Other;
        std::string raw;       // the text of the line
        std::string name;      // section name or identifier
        std::string value;     // decoded value
        bool written = false;  // written by this object
    };

    void Parse(const std::string& text);
    std::string Compose() const;
    // Index of the value line, or -1.
    int FindValue(const std::string& section, const std::string& ident) const;
    std::string FormatLine(const std::string& ident, const std::string& value,
                           const std::string& hint) const;
    void Write(const std::string& section, const std::string& ident, const std::string& value,
               const std::string& hint);
    void CheckNames(const std::string& section, const std::string& ident) const;
    std::string SectionKey(const std::string& section) const;
    void CheckWritable() const;

    bool inRegistry_ = false;
    std::string fileName_;
    TRegistryKey root_ = TRegistryKey::rkCurrentUser;
    std::string path_;
    bool forWriting_ = false;
    int hintPosition_ = 49;
    bool hintsEnabled_ = true;
    bool keepComments_ = false;
    bool modified_ = false;
    bool bom_ = false;
    std::vector<Line> lines_;
};
