#pragma once

#include "base/fileio.h"
#include "base/messages.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

// The user's catalogue of tournaments: a tree of folders and tournament entries under one
// root, kept in "tournlst.dat" and rewritten after every change.
namespace kv {

enum TNodeKind : int { NodeFolder = 0, NodeTournament = 1 };

struct TNodeData {
    int Kind = NodeFolder;
    int Sport = 0;
    QString Name;
    QString FilePath; // program folder + "SAVES/" + file name; empty for folders
};

class TListNode {
public:
    TNodeData Data;
    TListNode* Parent = nullptr;
    std::vector<std::unique_ptr<TListNode>> Children;
    bool Expanded = false;

    bool IsFolder() const { return Data.Kind == NodeFolder; }
    bool IsTournament() const { return Data.Kind == NodeTournament; }
    int IndexInParent() const;
    // Whether `other` is this node or lies below it.
    bool Contains(const TListNode* other) const;
};

struct TListResult {
    bool Ok = true;
    QString Message;
};

// What a list operation needs from the windows: whether a tournament is open (and closing or
// renaming it there). The defaults do nothing.
struct TOpenWindows {
    std::function<bool(const TNodeData&)> IsOpen = [](const TNodeData&) { return false; };
    std::function<void(const TNodeData&)> Close = [](const TNodeData&) {};
    std::function<void(const TNodeData&, const QString&)> Rename = [](const TNodeData&,
                                                                      const QString&) {};
    // No trash could be had for a file: whether to delete it for good (the default keeps it).
    std::function<bool(const QString&)> DeleteForGood = [](const QString&) { return false; };
};

class TTournamentList {
public:
    TTournamentList();

    TListNode* Root() const { return root_.get(); }
    // Nodes in pre-order (the root at position 0).
    std::vector<TListNode*> Nodes() const;
    int PositionOf(const TListNode* node) const;
    TListNode* NodeAt(int position) const;
    int Count() const { return static_cast<int>(Nodes().size()); }

    // ---- the list file
    QByteArray ToBytes() const;
    // Replaces the entries; stops at an invalid indentation with its message, keeping what was
    // read. The list is sorted and the root named afterwards.
    TListResult FromBytes(const QByteArray& bytes);
    // A missing file leaves the root alone and reports "File not found: %s".
    TListResult Load(const QString& path);
    TIoResult Save(const QString& path) const;
    // The older list file ("tables.dat"); a missing file gives the root alone.
    void LoadOldList(const QString& path);
    void OldListFromBytes(const QByteArray& bytes);

    // ---- order
    void Sort();
    bool AutoSort = true;

    // ---- operations
    // Adds below the selection as the rules say and re-sorts when automatic sorting is on.
    TListNode* AddEntry(TListNode* selected, const TNodeData& data);
    static TListResult CheckFolderName(const QString& name);
    // Takes the nodes out with everything below them; no file is touched.
    void Remove(const std::vector<TListNode*>& nodes);
    // Deletes the nodes, the tournament files below them and their ".bak" files (into the
    // trash when asked); open windows are closed first. A file that stays (no trash, and not
    // to be deleted for good) keeps its entry.
    void Delete(const std::vector<TListNode*>& nodes, bool toTrash,
                const TOpenWindows& windows = {});
    // Renames an entry. A tournament keeps a name no other tournament has; its file (or open
    // window) takes the new name. The message of a refusal or of a file failure is returned.
    TListResult Rename(TListNode* node, const QString& name, const TOpenWindows& windows = {});
    bool CanDrop(const std::vector<TListNode*>& dragged, const TListNode* target) const;
    bool Drop(const std::vector<TListNode*>& dragged, TListNode* target);

    TListNode* FindTournamentByName(const QString& name, const TListNode* except = nullptr) const;
    TListNode* FindByPath(const QString& path) const;

    // The path a file name has in the tournament folder.
    static QString SavesPath(const QString& fileName);

private:
    std::unique_ptr<TListNode> Take(TListNode* node);
    void SortChildren(TListNode* node);
    std::unique_ptr<TListNode> root_;
};

// Adding existing tournament files to the list: files outside the tournament folder are copied
// into it (asking before replacing a file no entry uses), and each gets an entry. `ask` answers
// the questions; `progress` (optional) gets the percentage.
struct TAddFilesResult {
    int Added = 0;
    TListNode* Last = nullptr; // the entry added last
    bool Stopped = false;
    QStringList Messages;                  // the information shown on the way
    QList<QPair<QString, QString>> Copied; // each file copied in from outside, and its copy
};
TAddFilesResult
AddExistingTournaments(TTournamentList& list, TListNode* selected, const QStringList& files,
                       const std::function<TMessageButton(TMessageKind, const QString&)>& ask,
                       const std::function<void(int)>& progress = {});

// Searching the list for a tournament by name.
struct TFindOptions {
    QString Text;
    bool CaseSensitive = false;
    bool ExactPhrase = false;
    bool Forward = true;
    bool Global = true;       // else the selected folder
    bool FromSelected = true; // else the entire scope
};

class TListSearch {
public:
    // Starts a search; the first result is found by Next().
    TListSearch(const TTournamentList& list, const TFindOptions& options,
                const TListNode* selected);
    // The next matching tournament, or null with "Search string '%s' not found".
    const TListNode* Next(QString& message);
    static QString CheckText(const QString& text); // "The search text cannot be blank"

private:
    bool Matches(const TListNode* node) const;
    const TTournamentList& list_;
    TFindOptions options_;
    int scopeStart_ = 0;
    int scopeEnd_ = 0; // last position of the scope
    int position_ = 0;
};

} // namespace kv
