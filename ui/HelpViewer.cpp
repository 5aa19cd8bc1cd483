#include "HelpViewer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>
#include <tuple>
#include <utility>

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "WindowState.h"
#include "ZnTranslation.h"

namespace {

constexpr qint64 MaxResourceSize = 4 << 20;

// What the page's title block, contents, sections and tables look like in the rich-text engine,
// which knows none of the browser's layout (flex boxes, columns, rounded frames, variables). The
// page's own rules come after these and win where the engine understands them.
QString ViewerStyleSheet() {
    return QStringLiteral(
        "body { color: #1b1b1b; background-color: #ffffff; }"
        "h1 { color: #1f6e30; font-size: x-large; margin: 8px 0 2px 0; }"
        "h2 { color: #1f6e30; font-size: large; margin: 18px 0 6px 0; }"
        "h3 { color: #1f6e30; margin: 14px 0 4px 0; }"
        "table { border-collapse: collapse; border-color: #cfd8d2; border-style: solid;"
        " border-width: 1px; margin: 6px 0 10px 0; }"
        "th { background-color: #e8f4ea; font-weight: bold; text-align: left; }"
        "th, td { border-color: #cfd8d2; border-style: solid; border-width: 1px;"
        " padding: 3px 8px; vertical-align: top; }"
        "a { color: #1f6e30; }"
        "code, .msg { font-family: monospace; }"
        ".msg { color: #004d99; }"
        ".ui { background-color: #f1f3f2; font-weight: bold; }"
        "kbd { background-color: #f1f3f2; font-family: monospace; }"
        ".hint { background-color: #fff8e1; margin: 10px 0; }"
        "dt { font-weight: bold; margin-top: 8px; }"
        ".title, .title td { border-width: 0; color: #ffffff; }"
        ".title h1 { color: #ffffff; margin: 0; }"
        ".nav { margin: 12px 0; }"
        ".footer { color: #5b6660; margin-top: 16px; }");
}

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

// The page's layout elements, which the rich-text engine does not know, as ones it lays out as
// blocks: the title block a coloured table, the contents, sections and footer divisions.
QByteArray WithEngineBlocks(QByteArray html) {
    const std::pair<const char*, const char*> blocks[] = {
        {"<header>", "<table class=\"title\" width=\"100%\" cellpadding=\"12\"><tr>"
                     "<td bgcolor=\"#1f6e30\">"},
        {"</header>", "</td></tr></table>"},
        {"<nav>", "<div class=\"nav\">"},
        {"</nav>", "</div>"},
        {"<section ", "<div class=\"section\" "},
        {"<section>", "<div class=\"section\">"},
        {"</section>", "</div>"},
        {"<main>", "<div>"},
        {"</main>", "</div>"},
        {"<footer>", "<div class=\"footer\">"},
        {"</footer>", "</div>"},
    };
    for (const auto& [from, to] : blocks)
        html.replace(from, to);
    return html;
}

} // namespace

bool THelpViewer::TBrowser::InHelpFolder(const QUrl& url) const {
    if (!url.isLocalFile() || Folder.isEmpty())
        return false;
    // The path once ".." and links are resolved; a missing file has none.
    const QString path = QFileInfo(url.toLocalFile()).canonicalFilePath();
    return !path.isEmpty() && QFileInfo(path).path() == Folder;
}

QVariant THelpViewer::TBrowser::loadResource(int type, const QUrl& name) {
    // Nothing is ever fetched from the network, nor read from outside the help folder.
    if (!InHelpFolder(name)) {
        if (type != QTextDocument::HtmlResource || !name.isLocalFile())
            return {};
        return tr("<p>ヘルプを読み込めませんでした。</p><p>%1</p>")
            .arg(QDir::toNativeSeparators(name.toLocalFile()).toHtmlEscaped());
    }
    // Bytes, so a page's own charset declaration decides how it is read.
    const QString path = name.toLocalFile();
    if (auto bytes = ReadLocalFile(path))
        return type == QTextDocument::HtmlResource ? WithEngineBlocks(*bytes) : *bytes;
    if (type != QTextDocument::HtmlResource)
        return {};
    return tr("<p>ヘルプを読み込めませんでした。</p><p>%1</p>")
        .arg(QDir::toNativeSeparators(path).toHtmlEscaped());
}

THelpViewer::THelpViewer(TOpenExternal openExternal, QWidget* parent)
    : QDialog(parent), FBrowser(new TBrowser(this)), FOpenExternal(std::move(openExternal)) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    FBrowser->setObjectName(QStringLiteral("HelpBrowser"));
    // Every link comes to FollowLink, which decides what stays inside.
    FBrowser->setOpenLinks(false);
    FBrowser->setOpenExternalLinks(false);
    connect(FBrowser, &QTextBrowser::anchorClicked, this, &THelpViewer::FollowLink);

    FBrowser->document()->setDefaultStyleSheet(ViewerStyleSheet());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* bar = new QHBoxLayout;
    static const std::tuple<const char*, const char*, QStyle::StandardPixmap, QKeySequence,
                            void (QTextBrowser::*)()>
        moves[] = {
            {"HelpBack", QT_TR_NOOP("戻る"), QStyle::SP_ArrowBack, QKeySequence::Back,
             &QTextBrowser::backward},
            {"HelpForward", QT_TR_NOOP("進む"), QStyle::SP_ArrowForward, QKeySequence::Forward,
             &QTextBrowser::forward},
            {"HelpHome", QT_TR_NOOP("目次"), QStyle::SP_DirHomeIcon,
             QKeySequence(Qt::ALT | Qt::Key_Home), &QTextBrowser::home},
        };
    for (const auto& [name, caption, icon, key, move] : moves) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setIcon(style()->standardIcon(icon));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setShortcut(key);
        connect(button, &QToolButton::clicked, FBrowser, move);
        bar->addWidget(button);
        if (move == &QTextBrowser::backward)
            connect(FBrowser, &QTextBrowser::backwardAvailable, button, &QWidget::setEnabled);
        if (move == &QTextBrowser::forward)
            connect(FBrowser, &QTextBrowser::forwardAvailable, button, &QWidget::setEnabled);
        button->setEnabled(move == &QTextBrowser::home);
    }
    bar->addStretch();
    KeepTranslated(*this, [this, buttons] {
        setWindowTitle(tr("ゴールラン ヘルプ"));
        FBrowser->setAccessibleName(tr("ヘルプ"));
        buttons->button(QDialogButtonBox::Close)->setText(tr("閉じる"));
        for (const auto& [name, caption, icon, key, move] : moves) {
            auto* button = findChild<QToolButton*>(QString::fromLatin1(name));
            button->setText(tr(caption));
            button->setToolTip(QStringLiteral("%1 (%2)").arg(
                button->text(), key.toString(QKeySequence::NativeText)));
        }
    });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(FBrowser);
    layout->addWidget(buttons);

    // The size the window had when last closed, else room for about 40 characters by 30 lines
    // of Japanese text; never under the readable minimum, never over the screen.
    const QFontMetrics metrics(font());
    QSize size(metrics.horizontalAdvance(QStringLiteral("あ")) * 40, metrics.height() * 30);
    const auto settings = OpenWindowSettings();
    const QVariant remembered =
        settings->Values() != nullptr ? settings->Values()->value(HelpWindowSizeKey()) : QVariant();
    if (remembered.typeId() == QMetaType::QSize && remembered.toSize().isValid())
        size = remembered.toSize();
    size = size.expandedTo(MinimumOpenSize());
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableSize());
    resize(size);
}

void THelpViewer::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (isMaximized() || isFullScreen())
        return;
    const auto settings = OpenWindowSettings();
    if (QSettings* values = settings->Values()) {
        values->setValue(HelpWindowSizeKey(), size());
        settings->Write();
    }
}

void THelpViewer::FollowLink(const QUrl& url) {
    const QUrl target = FBrowser->source().resolved(url);
    const QString scheme = target.scheme().toLower();
    if (target.isLocalFile()) {
        // Only the help pages themselves: a page of the help folder, never another local file.
        if (FBrowser->InHelpFolder(target) &&
            target.path().endsWith(QStringLiteral(".html"), Qt::CaseInsensitive))
            FBrowser->setSource(target);
    } else if ((scheme == QStringLiteral("http") || scheme == QStringLiteral("https")) &&
               FOpenExternal) {
        FOpenExternal(target);
    }
    // Any other scheme (mailto, ftp, a program's own) is dropped.
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
    // The page's folder bounds what the window reads from then on.
    viewer->FBrowser->Folder = QFileInfo(QFileInfo(helpFile).absolutePath()).canonicalFilePath();
    viewer->FBrowser->setSource(QUrl::fromLocalFile(helpFile));
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}
