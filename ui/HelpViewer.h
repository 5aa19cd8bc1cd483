#pragma once

#include <functional>

#include <QDialog>
#include <QTextBrowser>

class QUrl;

// The help page in a window of the program's own, for a desktop that cannot open it. Links
// within the page and to the other help pages beside it are followed here; http and https
// addresses go to the desktop through the caller's opener; every other link (another local
// file, mailto, a program's own scheme) does nothing. Back, forward and home (the
// first page shown) walk the pages seen; the page is laid out with a style sheet of the viewer's
// own, in what the rich-text engine draws, over the page's own (browser) styles. Local files are
// read as every file of the program is: without blocking, regular files only, at most 4 MiB.
class THelpViewer : public QDialog {
    Q_OBJECT

public:
    // Hands an address to the desktop; reports whether the desktop took it.
    using TOpenExternal = std::function<bool(const QUrl&)>;

    explicit THelpViewer(TOpenExternal openExternal, QWidget* parent = nullptr);

    // Shows `helpFile` (a local path) in the one help window of `parent`, creating it on first
    // use and raising it after; the latest `openExternal` serves its links. With no parent, each
    // call makes a window that deletes itself when closed. A page that cannot be read shows a
    // line saying so and its path.
    static THelpViewer* Show(QWidget* parent, const QString& helpFile, TOpenExternal openExternal);

    [[nodiscard]] QTextBrowser* Browser() const { return FBrowser; }

    // The smallest size the window opens at; it never opens larger than the screen.
    static QSize MinimumOpenSize() { return {720, 560}; }

protected:
    // The window's size is remembered for the next opening, in this and later runs.
    void hideEvent(QHideEvent* event) override;

private:
    void FollowLink(const QUrl& url);

    class TBrowser : public QTextBrowser {
    public:
        using QTextBrowser::QTextBrowser;
        QVariant loadResource(int type, const QUrl& name) override;
        // Whether `url` names an existing file directly in Folder (after "..", links resolved).
        [[nodiscard]] bool InHelpFolder(const QUrl& url) const;
        QString Folder; // the canonical folder of the page shown first
    };

    TBrowser* FBrowser;
    TOpenExternal FOpenExternal;
};
