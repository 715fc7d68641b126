#pragma once

#include <QDialog>

// "About Kelvorandine...": the product, its version, the operating system and the physical
// memory.
namespace kv {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

// "Debian GNU/Linux 12 (bookworm) 6.1" and the like: the system's name and its kernel version.
QString OperatingSystemText();
// Physical memory in kilobytes, 0 when unknown.
qint64 PhysicalMemoryKb();
// "16,384,000 KB": digits grouped by thousands with commas, as the box shows them.
QString MemoryText(qint64 kilobytes);

} // namespace kv
