#pragma once

#include <QStringList>
#include <QWidget>
#include <array>

class QFrame;
class QLabel;
class QListWidget;
class QSplitter;
class QTextBrowser;

namespace help
{

// The help window: the manual's caption as a title, the topic titles in a list on the left and
// the chosen topic's text with its picture in a pane on the right.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    // Reads the settings and the help block and fills the window. Returns false, after telling
    // the user which file is missing or unreadable, when the program has nothing to show.
    bool Form_Load();

    // Shows the topic at that index of the list afresh: its text, then its picture.
    void List1_Click(int index);

    QLabel *Label1 = nullptr;
    QListWidget *List1 = nullptr;
    QTextBrowser *Text1 = nullptr;
    // Decoration: the title band, the rule under it, the frames of the list and the pane, and
    // the accent beside the title.
    std::array<QFrame *, 5> Shape{};
    // Tells that the language file broke off before the manual was complete.
    QLabel *lblNote = nullptr;
    QSplitter *splitter = nullptr;

    QString HelpLang;
    QStringList TopicTexts;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showChosenTopic();
    void fitPictures();
    void placeOnScreen();
};

} // namespace help
