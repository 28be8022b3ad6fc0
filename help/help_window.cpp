#include "help_window.h"

#include "help_block.h"
#include "help_texts.h"
#include "message_box.h"
#include "topic_picture.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

namespace help
{
namespace
{

const QColor kWindow(0xE9, 0xEE, 0xF4);

const char *const kStyle = R"(
QFrame#Shape1 {
    background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #CFDCEC,
                                stop:0.55 rgba(207, 220, 236, 110), stop:1 rgba(207, 220, 236, 0));
    border-radius: 6px;
}
QFrame#Shape2 {
    background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #7A8CA3,
                                stop:0.7 rgba(122, 140, 163, 60), stop:1 rgba(122, 140, 163, 0));
}
QFrame#Shape3, QFrame#Shape4 {
    background: #FFFFFF;
    border: 1px solid #C3CEDB;
    border-radius: 5px;
}
QFrame#Shape5 { background: #2E5C8A; border-radius: 3px; }
QLabel#Label1 { color: #16325C; }
QListWidget#List1 { border: none; background: transparent; color: #1F2B3A; outline: 0; }
QListWidget#List1::item { padding: 6px 8px; border-radius: 4px; }
QListWidget#List1::item:hover:!selected { background: #E6EDF6; }
QListWidget#List1::item:selected { background: #2E5C8A; color: #FFFFFF; }
QTextBrowser#Text1 { border: none; background: transparent; color: #1F2B3A; }
QLabel#lblNote {
    background: #FFF4D6; border: 1px solid #E2C46A; border-radius: 4px;
    padding: 5px 8px; color: #5A4500;
}
)";

QFrame *decoration(QWidget *parent, int number)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QStringLiteral("Shape%1").arg(number));
    return frame;
}

} // namespace

Form1::Form1(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, kWindow);
    setPalette(windowPalette);
    setAutoFillBackground(true);
    setStyleSheet(QString::fromLatin1(kStyle));

    // The title band with its accent.
    Shape[0] = decoration(this, 1);
    Shape[4] = decoration(Shape[0], 5);
    Shape[4]->setFixedWidth(6);
    Label1 = new QLabel(Shape[0]);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    QFont titleFont = Label1->font();
    titleFont.setPointSize(24);
    titleFont.setBold(true);
    Label1->setFont(titleFont);
    auto *header = new QHBoxLayout(Shape[0]);
    header->setContentsMargins(0, 8, 16, 8);
    header->setSpacing(14);
    header->addWidget(Shape[4]);
    header->addWidget(Label1, 1);

    Shape[1] = decoration(this, 2);
    Shape[1]->setFixedHeight(2);

    QFont paneFont = font();
    paneFont.setPointSizeF(std::max<qreal>(paneFont.pointSizeF(), 10) + 1);

    Shape[2] = decoration(this, 3);
    List1 = new QListWidget(Shape[2]);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(paneFont);
    List1->setWordWrap(true);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *listFrame = new QVBoxLayout(Shape[2]);
    listFrame->setContentsMargins(5, 5, 5, 5);
    listFrame->addWidget(List1);

    Shape[3] = decoration(this, 4);
    Text1 = new QTextBrowser(Shape[3]);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(paneFont);
    Text1->setOpenLinks(false);
    Text1->document()->setDocumentMargin(14);
    Text1->document()->setUndoRedoEnabled(false);
    Text1->installEventFilter(this);
    auto *paneFrame = new QVBoxLayout(Shape[3]);
    paneFrame->setContentsMargins(1, 1, 1, 1);
    paneFrame->addWidget(Text1);

    splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("splitter"));
    splitter->setChildrenCollapsible(false);
    splitter->setHandleWidth(10);
    splitter->addWidget(Shape[2]);
    splitter->addWidget(Shape[3]);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    Shape[2]->setMinimumWidth(150);
    Shape[3]->setMinimumWidth(300);

    lblNote = new QLabel(this);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setWordWrap(true);
    lblNote->setTextFormat(Qt::PlainText);
    lblNote->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(8);
    layout->addWidget(Shape[0]);
    layout->addWidget(Shape[1]);
    layout->addSpacing(2);
    layout->addWidget(splitter, 1);
    layout->addWidget(lblNote);

    // A keyboard choice shows the topic and leaves the focus in the list, so that the arrows
    // keep browsing; a click shows it afresh, even the topic already shown, and hands the
    // focus to the pane for scrolling.
    connect(List1, &QListWidget::itemSelectionChanged, this, &Form1::showChosenTopic);
    connect(List1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { List1_Click(List1->row(item)); });

    setMinimumSize(640, 440);
    placeOnScreen();
}

bool Form1::Form_Load()
{
    Text1->clear();
    const Manual manual = loadManual();
    if (manual.problem != StartProblem::None) {
        showMessage(this, startProblemMessage(manual));
        return false;
    }
    HelpLang = manual.HelpLang;
    const QString caption =
        manual.help.caption.isEmpty() ? fallbackCaption(manual) : manual.help.caption;
    setWindowTitle(caption);
    Label1->setText(caption);
    List1->setAccessibleName(caption);
    Text1->setAccessibleName(QString());

    List1->clear();
    TopicTexts.clear();
    for (const HelpTopic &topic : manual.help.topics) {
        List1->addItem(topic.title);
        TopicTexts << topic.text;
    }
    List1->setCurrentRow(-1);

    const QString note = incompleteNote(manual);
    lblNote->setText(note);
    lblNote->setVisible(!note.isEmpty());
    return true;
}

void Form1::List1_Click(int index)
{
    if (index < 0 || index >= TopicTexts.size())
        return;
    QTextDocument &document = *Text1->document();
    // The pane is named after the topic it shows.
    Text1->setAccessibleName(List1->item(index)->text());
    setTopicText(document, TopicTexts.at(index));
    InsertTopicPicture(document);
    fitPictures();
    Text1->moveCursor(QTextCursor::Start);
    Text1->verticalScrollBar()->setValue(0);
    Text1->setFocus();
}

void Form1::showChosenTopic()
{
    const QList<QListWidgetItem *> chosen = List1->selectedItems();
    if (chosen.isEmpty())
        return;
    const int row = List1->row(chosen.first());
    const bool listHadFocus = List1->hasFocus();
    List1_Click(row);
    if (listHadFocus)
        List1->setFocus();
}

void Form1::fitPictures()
{
    // Measured from the pane's own size with room for its scroll bar, so that a scroll bar
    // coming or going never resizes the pictures again.
    const qreal width = Text1->contentsRect().width() -
                        Text1->verticalScrollBar()->sizeHint().width() -
                        2 * Text1->document()->documentMargin() - 4;
    FitTopicPictures(*Text1->document(), width);
}

void Form1::placeOnScreen()
{
    QSize size(980, 700);
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        size = size.boundedTo(area.size() * 0.9).expandedTo(minimumSize());
        resize(size);
        move(area.center() - QPoint(size.width() / 2, size.height() / 2));
    } else {
        resize(size);
    }
    splitter->setSizes({std::max(230, size.width() * 27 / 100), size.width() * 73 / 100});
}

void Form1::closeEvent(QCloseEvent *event)
{
    Text1->clear();
    event->accept();
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text1 && event->type() == QEvent::Resize)
        fitPictures();
    return QWidget::eventFilter(watched, event);
}

} // namespace help
