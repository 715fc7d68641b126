#include "storage/tournament_list.h"

#include "base/codepages.h"
#include "base/language.h"
#include "base/programfolder.h"
#include "base/textformat.h"
#include "base/textreader.h"
#include "storage/tournament_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>

namespace kv {

namespace {

const QByteArray kSeparator("\xB6\xB6\xB6");

QString RootName() {
    return LangText(600, "Kelvorandine");
}

// Folders nest no deeper than this in a list read from a file.
constexpr int kMaxListDepth = 64;

// A list names its files inside SAVES/: whatever folders a name gives are dropped, with
// either separator (older lists come from Windows: "C:\\OLD\\SAVES\\hockey.kvd").
QString BareFileName(const QString& name) {
    const qsizetype slash =
        std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    return name.mid(slash + 1);
}

int CompareNames(const QString& a, const QString& b) {
    const QLocale locale;
    return locale.toUpper(a).localeAwareCompare(locale.toUpper(b));
}

// Splits a list line at the separators. A UTF-8 character may end in the separator's byte,
// so in a run of those bytes the separators are the last whole threes.
QList<QByteArrayView> SplitFields(QByteArrayView line) {
    QList<QByteArrayView> fields;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < line.size()) {
        if (static_cast<unsigned char>(line[i]) != 0xB6) {
            ++i;
            continue;
        }
        qsizetype run = i;
        while (run < line.size() && static_cast<unsigned char>(line[run]) == 0xB6)
            ++run;
        const qsizetype separators = (run - i) / 3;
        qsizetype at = i + (run - i) % 3;
        for (qsizetype k = 0; k < separators; ++k) {
            fields << line.sliced(start, at - start);
            at += 3;
            start = at;
        }
        i = run;
    }
    fields << line.sliced(start);
    return fields;
}

// The count of blanks and TABs a line or a name begins with.
qsizetype LeadingBlanks(QByteArrayView text) {
    qsizetype n = 0;
    while (n < text.size() && (text[n] == ' ' || text[n] == '\t'))
        ++n;
    return n;
}

qsizetype LeadingBlanks(const QString& text) {
    qsizetype n = 0;
    while (n < text.size() && (text[n] == QLatin1Char(' ') || text[n] == QLatin1Char('\t')))
        ++n;
    return n;
}

} // namespace

int TListNode::IndexInParent() const {
    if (!Parent) return 0;
    for (size_t i = 0; i < Parent->Children.size(); ++i)
        if (Parent->Children[i].get() == this) return static_cast<int>(i);
    return -1;
}

bool TListNode::Contains(const TListNode* other) const {
    for (const TListNode* n = other; n; n = n->Parent)
        if (n == this) return true;
    return false;
}

TTournamentList::TTournamentList() : root_(std::make_unique<TListNode>()) {
    root_->Data.Name = RootName();
    root_->Expanded = true;
}

std::vector<TListNode*> TTournamentList::Nodes() const {
    std::vector<TListNode*> out;
    std::vector<TListNode*> stack{root_.get()};
    while (!stack.empty()) {
        TListNode* n = stack.back();
        stack.pop_back();
        out.push_back(n);
        for (auto it = n->Children.rbegin(); it != n->Children.rend(); ++it)
            stack.push_back(it->get());
    }
    return out;
}

int TTournamentList::PositionOf(const TListNode* node) const {
    const std::vector<TListNode*> nodes = Nodes();
    const auto it = std::find(nodes.begin(), nodes.end(), node);
    return it == nodes.end() ? -1 : static_cast<int>(it - nodes.begin());
}

TListNode* TTournamentList::NodeAt(int position) const {
    const std::vector<TListNode*> nodes = Nodes();
    return position >= 0 && position < static_cast<int>(nodes.size())
               ? nodes[static_cast<size_t>(position)]
               : nullptr;
}

QString TTournamentList::SavesPath(const QString& fileName) {
    return SavesFolder() + fileName;
}

QByteArray TTournamentList::ToBytes() const {
    QByteArray out;
    std::vector<std::pair<const TListNode*, int>> stack{{root_.get(), 0}};
    while (!stack.empty()) {
        const auto [n, level] = stack.back();
        stack.pop_back();
        out += QByteArray(level, '\t');
        QString name = n->Data.Name;
        name.replace(QLatin1Char('\r'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
        // Blanks that lead a name would read as indentation: they go into a fifth field, which
        // lists without it never have.
        const qsizetype lead = LeadingBlanks(name);
        out += name.mid(lead).toUtf8();
        out += kSeparator;
        if (n->IsTournament()) out += QFileInfo(n->Data.FilePath).fileName().toUtf8();
        out += kSeparator;
        out += QByteArray::number(n->Data.Kind);
        out += kSeparator;
        out += QByteArray::number(n->Data.Sport);
        if (lead > 0) {
            out += kSeparator;
            out += name.left(lead).toUtf8();
        }
        out += "\r\n";
        for (auto it = n->Children.rbegin(); it != n->Children.rend(); ++it)
            stack.push_back({it->get(), level + 1});
    }
    return out;
}

TListResult TTournamentList::FromBytes(const QByteArray& bytes) {
    root_ = std::make_unique<TListNode>();
    root_->Expanded = true;
    TListResult result;
    TTextReader reader(bytes);
    QByteArrayView line;
    TListNode* previous = nullptr;
    int previousLevel = 0;
    while (reader.ReadLineBytes(line)) {
        const qsizetype level = LeadingBlanks(line);
        const QList<QByteArrayView> fields = SplitFields(line.sliced(level));
        TNodeData data;
        data.Name = DecodeText(fields.value(0));
        if (fields.size() > 4 && LeadingBlanks(fields[4]) == fields[4].size())
            data.Name.prepend(QString::fromLatin1(fields[4].data(), fields[4].size()));
        const QString fileName = fields.size() > 1 ? DecodeText(fields[1]) : QString();
        int kind = -1;
        if (fields.size() > 2 && !ParseIntToken(fields[2], kind)) kind = -1;
        data.Kind = kind == NodeTournament ? NodeTournament : NodeFolder;
        int sport = 0;
        if (fields.size() > 3 && ParseIntToken(fields[3], sport) && sport >= 0 && sport <= 12)
            data.Sport = sport;
        if (data.Kind == NodeTournament) data.FilePath = SavesPath(BareFileName(fileName));
        // Folders nested deeper than the limit are kept, at the deepest level.
        const int lvl = static_cast<int>(std::min<qsizetype>(level, kMaxListDepth));
        if (!previous) {
            root_->Data = data;
            previous = root_.get();
            previousLevel = lvl;
            continue;
        }
        if (lvl > previousLevel + 1) {
            result = {false, Fmt(LangText(605, "Invalid level (%d) for item \"%s\""), lvl,
                                 DecodeText(line.sliced(level)))};
            break;
        }
        TListNode* parent = nullptr;
        if (lvl == previousLevel + 1) {
            parent = previous;
        } else {
            TListNode* anchor = previous;
            for (int l = previousLevel; l > lvl && anchor->Parent; --l)
                anchor = anchor->Parent;
            parent = anchor->Parent ? anchor->Parent : root_.get();
        }
        if (parent->IsTournament()) parent = parent->Parent ? parent->Parent : root_.get();
        auto node = std::make_unique<TListNode>();
        node->Data = data;
        node->Parent = parent;
        previous = node.get();
        previousLevel = parent == root_.get() && lvl == 0 ? 1 : lvl;
        parent->Children.push_back(std::move(node));
    }
    root_->Data.Kind = NodeFolder;
    root_->Data.FilePath.clear();
    Sort();
    root_->Data.Name = RootName();
    return result;
}

TListResult TTournamentList::Load(const QString& path) {
    QByteArray bytes;
    if (!QFileInfo::exists(path)) {
        root_ = std::make_unique<TListNode>();
        root_->Data.Name = RootName();
        root_->Expanded = true;
        return {false, Fmt(LangText(612, "File not found: %s"), path)};
    }
    const TIoResult read = ReadFileBytes(path, bytes);
    if (!read) return {false, read.Message};
    return FromBytes(bytes);
}

TIoResult TTournamentList::Save(const QString& path) const {
    return WriteFileAtomic(path, ToBytes());
}

void TTournamentList::LoadOldList(const QString& path) {
    QByteArray bytes;
    if (!ReadFileBytes(path, bytes)) bytes.clear();
    OldListFromBytes(bytes);
}

void TTournamentList::OldListFromBytes(const QByteArray& bytes) {
    root_ = std::make_unique<TListNode>();
    root_->Expanded = true;
    root_->Data.Name = RootName();
    TTextReader r(bytes);
    std::vector<TListNode*> read;
    std::vector<int> depths;    // of each node read, the root's 0
    std::vector<size_t> owners; // the index of each node's folder
    QString name;
    while (r.ReadLine(name)) {
        int parent = -1, sport = 0, kind = 0;
        QByteArrayView numbers;
        if (!r.ReadLineBytes(numbers)) break;
        TTextReader line{QByteArray(numbers.data(), numbers.size())};
        if (!line.ReadInt(parent) || !line.ReadInt(sport) || !line.ReadInt(kind)) break;
        QString fileName;
        r.ReadLine(fileName);
        TNodeData data;
        data.Name = name;
        data.Kind = kind == NodeTournament ? NodeTournament : NodeFolder;
        data.Sport = sport >= 0 && sport <= 12 ? sport : 0;
        if (data.Kind == NodeTournament)
            data.FilePath = SavesPath(BareFileName(fileName.trimmed()));
        if (read.empty()) {
            root_->Data = data;
            read.push_back(root_.get());
            depths.push_back(0);
            owners.push_back(0);
            continue;
        }
        size_t owning =
            parent >= 0 && parent < static_cast<int>(read.size()) ? static_cast<size_t>(parent) : 0;
        if (read[owning]->IsTournament()) owning = owners[owning];
        if (depths[owning] >= kMaxListDepth) // nested too deep: kept, under the root
            owning = 0;
        TListNode* owner = read[owning];
        auto node = std::make_unique<TListNode>();
        node->Data = data;
        node->Parent = owner;
        read.push_back(node.get());
        depths.push_back(depths[owning] + 1);
        owners.push_back(owning);
        owner->Children.push_back(std::move(node));
    }
    root_->Data.Kind = NodeFolder;
    root_->Data.FilePath.clear();
    Sort();
    root_->Data.Name = RootName();
}

void TTournamentList::SortChildren(TListNode* node) {
    std::stable_sort(node->Children.begin(), node->Children.end(),
                     [](const auto& a, const auto& b) {
                         if (a->IsFolder() != b->IsFolder()) return a->IsFolder();
                         return CompareNames(a->Data.Name, b->Data.Name) < 0;
                     });
    for (auto& child : node->Children)
        SortChildren(child.get());
}

void TTournamentList::Sort() {
    SortChildren(root_.get());
}

TListNode* TTournamentList::AddEntry(TListNode* selected, const TNodeData& data) {
    TListNode* parent = root_.get();
    if (selected)
        parent = selected->IsTournament() ? (selected->Parent ? selected->Parent : root_.get())
                                          : selected;
    parent->Expanded = true;
    auto node = std::make_unique<TListNode>();
    node->Data = data;
    node->Parent = parent;
    TListNode* raw = node.get();
    parent->Children.push_back(std::move(node));
    if (AutoSort) Sort();
    return raw;
}

TListResult TTournamentList::CheckFolderName(const QString& name) {
    if (name.trimmed().isEmpty()) return {false, LangText(603, "Empty name is not allowed!")};
    return {};
}

std::unique_ptr<TListNode> TTournamentList::Take(TListNode* node) {
    if (!node || !node->Parent) return nullptr;
    auto& siblings = node->Parent->Children;
    const auto it = std::find_if(siblings.begin(), siblings.end(),
                                 [node](const auto& p) { return p.get() == node; });
    if (it == siblings.end()) return nullptr;
    std::unique_ptr<TListNode> taken = std::move(*it);
    siblings.erase(it);
    taken->Parent = nullptr;
    return taken;
}

void TTournamentList::Remove(const std::vector<TListNode*>& nodes) {
    for (TListNode* n : nodes) {
        // A node already removed with an ancestor is no longer reachable.
        if (n != root_.get() && PositionOf(n) > 0) Take(n);
    }
}

void TTournamentList::Delete(const std::vector<TListNode*>& nodes, bool toTrash,
                             const TOpenWindows& windows) {
    for (TListNode* n : nodes) {
        if (n == root_.get() || PositionOf(n) <= 0) continue;
        // Children first, deepest and last first. A tournament whose file stays (no trash, and
        // not to be deleted for good) keeps its entry, and the folders above it stay too.
        std::function<bool(TListNode*)> remove = [&](TListNode* x) {
            bool kept = false;
            for (auto it = x->Children.rbegin(); it != x->Children.rend();) {
                TListNode* child = it->get();
                ++it;
                if (remove(child)) kept = true;
            }
            if (x->IsTournament()) {
                if (windows.IsOpen(x->Data)) windows.Close(x->Data);
                if (QFileInfo::exists(x->Data.FilePath) &&
                    !RemoveFile(x->Data.FilePath, toTrash, windows.DeleteForGood))
                    kept = true;
                const QString backup = ChangeFileExt(x->Data.FilePath, QStringLiteral(".bak"));
                if (!kept && QFileInfo::exists(backup))
                    RemoveFile(backup, toTrash, windows.DeleteForGood);
            }
            if (!kept) Take(x);
            return kept;
        };
        remove(n);
    }
}

TListNode* TTournamentList::FindTournamentByName(const QString& name,
                                                 const TListNode* except) const {
    const QLocale locale;
    const QString wanted = locale.toUpper(name);
    for (TListNode* n : Nodes())
        if (n != except && n->IsTournament() && locale.toUpper(n->Data.Name) == wanted) return n;
    return nullptr;
}

TListNode* TTournamentList::FindByPath(const QString& path) const {
    const QString wanted = QFileInfo(path).absoluteFilePath();
    for (TListNode* n : Nodes())
        if (n->IsTournament() && QFileInfo(n->Data.FilePath).absoluteFilePath() == wanted) return n;
    return nullptr;
}

TListResult TTournamentList::Rename(TListNode* node, const QString& name,
                                    const TOpenWindows& windows) {
    if (!node || node == root_.get()) return {false, QString()};
    if (const TListResult check = CheckFolderName(name); !check.Ok) return check;
    TListResult result;
    if (node->IsTournament()) {
        if (FindTournamentByName(name, node))
            return {false, LangText(611, "Tournament with this name already exists")};
        const TNodeData before = node->Data;
        node->Data.Name = name;
        if (windows.IsOpen(before)) {
            windows.Rename(before, name);
        } else {
            const TIoResult renamed = RenameInFile(node->Data.FilePath, name);
            if (!renamed) result = {false, renamed.Message};
        }
    } else {
        node->Data.Name = name;
    }
    if (AutoSort) Sort();
    return result;
}

bool TTournamentList::CanDrop(const std::vector<TListNode*>& dragged,
                              const TListNode* target) const {
    if (!target || dragged.empty()) return false;
    for (const TListNode* d : dragged) {
        if (d == root_.get() || d == target || d->Parent == target || d->Contains(target))
            return false;
    }
    return true;
}

bool TTournamentList::Drop(const std::vector<TListNode*>& dragged, TListNode* target) {
    if (!CanDrop(dragged, target)) return false;
    for (TListNode* d : dragged) {
        std::unique_ptr<TListNode> node = Take(d);
        if (!node) continue;
        if (target->IsFolder()) {
            node->Parent = target;
            target->Children.push_back(std::move(node));
        } else {
            TListNode* parent = target->Parent;
            node->Parent = parent;
            const auto at = parent->Children.begin() + target->IndexInParent();
            parent->Children.insert(at, std::move(node));
        }
    }
    return true;
}

TAddFilesResult
AddExistingTournaments(TTournamentList& list, TListNode* selected, const QStringList& files,
                       const std::function<TMessageButton(TMessageKind, const QString&)>& ask,
                       const std::function<void(int)>& progress) {
    TAddFilesResult result;
    const auto inform = [&](const QString& message, TMessageKind kind = TMessageKind::Information) {
        result.Messages << message;
        ask(kind, message);
    };
    const QString saves = QDir::cleanPath(QFileInfo(SavesFolder()).absoluteFilePath());
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QFileInfo source(files.at(i));
        QString path = source.absoluteFilePath();
        const bool outside = QDir::cleanPath(source.absolutePath()) != saves;
        const QString target = TTournamentList::SavesPath(source.fileName());
        if (outside && QFileInfo::exists(target) && list.FindByPath(target)) {
            inform(Fmt(LangText(606, "Cannot add tournament. File already exists: %s"), target));
            continue;
        }
        if (!outside && list.FindByPath(path)) {
            inform(Fmt(LangText(608, "Tournament already exists: %s"), path));
            result.Stopped = true;
            break;
        }
        // Only a tournament that loads is listed, under its name, which stays unique in the list.
        TNodeData data;
        data.Kind = NodeTournament;
        {
            TTournament probe{TTournamentDefaults{}}; // only its name is read
            if (const TIoResult loaded = LoadTournament(probe, path); !loaded) {
                inform(loaded.Message, TMessageKind::Error); // a file error
                continue;
            }
            data.Name = probe.Name;
            data.Sport = probe.Sport;
        }
        if (list.FindTournamentByName(data.Name)) {
            inform(Fmt(LangText(616, "Cannot add %s: a tournament named '%s' is already in the "
                                     "list"),
                       path, data.Name));
            continue;
        }
        if (outside) {
            if (QFileInfo::exists(target)) {
                const TMessageButton answer =
                    ask(TMessageKind::QuestionYesNoCancel,
                        Fmt(LangText(607, "File already exists: %s. Replace it?"), target));
                if (answer == TMessageButton::Cancel) {
                    result.Stopped = true;
                    break;
                }
                if (answer == TMessageButton::No) continue;
                QFile::remove(target);
            }
            QDir().mkpath(SavesFolder());
            if (!QFile::copy(path, target)) {
                result.Messages << Fmt(LangText(5100, "File not found: %s"), path);
                continue;
            }
            result.Copied.append({path, target});
            path = target;
        }
        data.FilePath = path;
        result.Last = list.AddEntry(selected, data);
        ++result.Added;
        if (progress) progress(static_cast<int>((i + 1) * 100 / files.size()));
    }
    return result;
}

// ---------------------------------------------------------------- find

QString TListSearch::CheckText(const QString& text) {
    return text.isEmpty() ? LangText(7814, "The search text cannot be blank") : QString();
}

TListSearch::TListSearch(const TTournamentList& list, const TFindOptions& options,
                         const TListNode* selected)
    : list_(list), options_(options) {
    const TListNode* scope = list.Root();
    if (!options.Global && selected) scope = selected->IsTournament() ? selected->Parent : selected;
    if (!scope) scope = list.Root();
    scopeStart_ = list.PositionOf(scope);
    // The scope ends before the next node on the scope node's level (or an upper one).
    const std::vector<TListNode*> nodes = list.Nodes();
    scopeEnd_ = static_cast<int>(nodes.size()) - 1;
    for (int p = scopeStart_ + 1; p < static_cast<int>(nodes.size()); ++p) {
        if (!scope->Contains(nodes[static_cast<size_t>(p)])) {
            scopeEnd_ = p - 1;
            break;
        }
    }
    if (options.FromSelected && selected)
        position_ = list.PositionOf(selected);
    else
        position_ = options.Forward ? scopeStart_ : scopeEnd_ + 1;
}

bool TListSearch::Matches(const TListNode* node) const {
    if (!node->IsTournament()) return false;
    QString name = node->Data.Name;
    QString text = options_.Text;
    if (!options_.CaseSensitive) {
        const QLocale locale;
        name = locale.toUpper(name);
        text = locale.toUpper(text);
    }
    return options_.ExactPhrase ? name == text : name.contains(text);
}

const TListNode* TListSearch::Next(QString& message) {
    const std::vector<TListNode*> nodes = list_.Nodes();
    if (options_.Forward) {
        for (int p = position_ + 1; p <= scopeEnd_ && p < static_cast<int>(nodes.size()); ++p)
            if (Matches(nodes[static_cast<size_t>(p)])) {
                position_ = p;
                return nodes[static_cast<size_t>(p)];
            }
    } else {
        for (int p = position_ - 1; p >= scopeStart_ && p >= 0; --p)
            if (p < static_cast<int>(nodes.size()) && Matches(nodes[static_cast<size_t>(p)])) {
                position_ = p;
                return nodes[static_cast<size_t>(p)];
            }
    }
    message = Fmt(LangText(7815, "Search string '%s' not found"), options_.Text);
    return nullptr;
}

} // namespace kv
