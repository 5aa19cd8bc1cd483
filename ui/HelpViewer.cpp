#include "HelpViewer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr qint64 MaxResourceSize = 4 << 20;

// The bytes of a regular local file; nothing for a folder, a pipe or a device, which would
// block or never end, and nothing for a file larger than the page could sensibly be.
std::optional<QByteArray> ReadLocalFile(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    QFile file;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > MaxResourceSize ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    QByteArray bytes = file.read(MaxResourceSize);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace

QVariant THelpViewer::TBrowser::loadResource(int type, const QUrl& name) {
    if (!name.isLocalFile())
        return {}; // nothing is ever fetched from the network
    // Bytes, so a page's own charset declaration decides how it is read.
    const QString path = name.toLocalFile();
    if (auto bytes = ReadLocalFile(path))
        return *bytes;
    if (type != QTextDocument::HtmlResource)
        return {};
    return QStringLiteral("<p>ヘルプを読み込めませんでした。</p><p>%1</p>")
        .arg(QDir::toNativeSeparators(path).toHtmlEscaped());
}

THelpViewer::THelpViewer(TOpenExternal openExternal, QWidget* parent)
    : QDialog(parent), FBrowser(new TBrowser(this)), FOpenExternal(std::move(openExternal)) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("ゴールラン ヘルプ"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    FBrowser->setObjectName(QStringLiteral("HelpBrowser"));
    FBrowser->setAccessibleName(QStringLiteral("ヘルプ"));
    // Every link comes to FollowLink, which decides what stays inside.
    FBrowser->setOpenLinks(false);
    FBrowser->setOpenExternalLinks(false);
    connect(FBrowser, &QTextBrowser::anchorClicked, this, &THelpViewer::FollowLink);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("閉じる"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FBrowser);
    layout->addWidget(buttons);

    // Room for about 40 characters by 30 lines of Japanese text, within the screen.
    const QFontMetrics metrics(font());
    QSize size(metrics.horizontalAdvance(QStringLiteral("あ")) * 40, metrics.height() * 30);
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableSize() * 0.9);
    resize(size);
}

void THelpViewer::FollowLink(const QUrl& url) {
    const QUrl target = FBrowser->source().resolved(url);
    if (target.isLocalFile())
        FBrowser->setSource(target);
    else if (FOpenExternal)
        FOpenExternal(target);
}

THelpViewer* THelpViewer::Show(QWidget* parent, const QString& helpFile,
                               TOpenExternal openExternal) {
    THelpViewer* viewer = parent != nullptr
                              ? parent->findChild<THelpViewer*>(QStringLiteral("HelpViewer"),
                                                                Qt::FindDirectChildrenOnly)
                              : nullptr;
    if (viewer == nullptr) {
        viewer = new THelpViewer(std::move(openExternal), parent);
        if (parent == nullptr)
            viewer->setAttribute(Qt::WA_DeleteOnClose);
    } else {
        viewer->FOpenExternal = std::move(openExternal);
    }
    viewer->FBrowser->setSource(QUrl::fromLocalFile(helpFile));
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}
