#include "ui/shell/about_box.h"

#include "base/language.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

#include <unistd.h>

namespace kv {

QString OperatingSystemText() {
    QString name = QSysInfo::prettyProductName();
    const QString kernel = QSysInfo::kernelVersion();
    if (!kernel.isEmpty())
        name += QStringLiteral(" (") + QSysInfo::kernelType() + QLatin1Char(' ') + kernel +
                QLatin1Char(')');
    return name;
}

qint64 PhysicalMemoryKb() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long size = sysconf(_SC_PAGE_SIZE);
    if (pages <= 0 || size <= 0) return 0;
    return static_cast<qint64>(pages) * size / 1024;
}

QString MemoryText(qint64 kilobytes) {
    QString digits = QString::number(std::max<qint64>(0, kilobytes));
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return digits + QStringLiteral(" KB");
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(LangText(800, "About Kelvorandine..."));
    auto* layout = new QVBoxLayout(this);
    auto* product = new QLabel(LangText(801, "Kelvorandine"), this);
    product->setObjectName(QStringLiteral("ProductName"));
    QFont big = product->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    product->setFont(big);
    auto* version = new QLabel(LangText(802, "Version 2.2"), this);
    version->setObjectName(QStringLiteral("Version"));
    auto* purpose = new QLabel(LangText(803, "League tables of sports tournaments"), this);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto* os = new QLabel(OperatingSystemText(), this);
    os->setObjectName(QStringLiteral("OSVersion"));
    os->setWordWrap(true);
    auto* memoryCaption = new QLabel(LangText(804, "Memory Available to Linux:"), this);
    auto* memory = new QLabel(MemoryText(PhysicalMemoryKb()), this);
    memory->setObjectName(QStringLiteral("Memory"));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(LangText(805, "Continue"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ContinueButton"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    for (QWidget* w : std::initializer_list<QWidget*>{product, version, purpose, line, os,
                                                      memoryCaption, memory})
        layout->addWidget(w);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    setMinimumWidth(440);
}

} // namespace kv
