#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Whole-file reading and writing with errors reported by value.
namespace kv {

struct TIoResult {
    bool Ok = true;
    QString Message;
    int Line = 0; // 1-based line of a format error, 0 when it does not apply

    static TIoResult Success() { return {}; }
    static TIoResult Failure(const QString& message, int line = 0) {
        return {false, message, line};
    }
    explicit operator bool() const { return Ok; }
};

// The largest file the program reads (tournaments, lists, imports, settings files).
inline constexpr qint64 kMaxInputFileBytes = qint64(64) << 20;

// A file larger than kMaxInputFileBytes is refused with a message that says so.
TIoResult ReadFileBytes(const QString& path, QByteArray& data);

// Writes the file in one step: the bytes go to a temporary file beside the target, which then
// replaces the target, so the target always holds either the old or the new contents. With
// `backup` the previous contents are kept as `backupPath` (replacing an older backup).
TIoResult WriteFileAtomic(const QString& path, const QByteArray& data,
                          const QString& backupPath = QString());

// What became of a file to delete.
enum class TDeleted {
    Trashed, // in the user's trash
    Deleted, // gone for good
    NoTrash, // no trash could be had: the file is where it was
    Failed,  // it could not be deleted (or was not there)
};
// Deletes a file, into the user's trash when `toTrash` is set (the trash is made where it is
// missing; it is never put in the working folder).
TDeleted DeleteFileOrTrash(const QString& path, bool toTrash);
// Deletes a file as above; when no trash can be had, `deleteForGood` is asked whether to
// delete it all the same. Whether the file is gone.
bool RemoveFile(const QString& path, bool toTrash,
                const std::function<bool(const QString&)>& deleteForGood);

// The path with its extension (after the last dot of the file name) replaced by `ext`
// (given with its dot, e.g. ".bak").
QString ChangeFileExt(const QString& path, const QString& ext);

} // namespace kv
