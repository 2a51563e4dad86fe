#include "MainUnit/Window/StatusLine.h"

#include "MainUnit/Window/MainForm.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

namespace MainUnit {

TStatusLine::TStatusLine(QLabel& StatusLabel, const QLineEdit& ExpressionEdit)
    : Label(StatusLabel), Expression(ExpressionEdit)
{
}

void TStatusLine::Set(const std::string& Text) { Set(TStatusText{Text, {}, false}); }

void TStatusLine::Set(const TStatusText& Status)
{
    // The label shows one short line; the whole text stays at hand. The
    // program's own texts fit; a typed expression in one may not, and is cut.
    const QFontMetrics Metrics(Label.font());
    const QString Text = QString::fromLatin1(Status.Text);
    const int Room = Label.contentsRect().width();
    Label.setText(Metrics.horizontalAdvance(Text) <= Room
                      ? Text
                      : Metrics.elidedText(Text, Qt::ElideRight, Room));
    Label.setToolTip(QString::fromLatin1(Status.Detail.empty() ? Status.Text : Status.Detail));
    QPalette Colours = Label.palette();
    Colours.setColor(QPalette::WindowText,
                     Status.Warning ? QColor(QRgb(StatusWarningColor))
                                    : Label.window()->palette().color(QPalette::WindowText));
    Label.setPalette(Colours);
}

void TStatusLine::ShowResting()
{
    // Only the priority warning outlasts the work: it concerns the text
    // whose graph is shown, until that text is edited. Otherwise a grid of
    // far more points than asked says so while its set is shown.
    // The grid note's counts fit the line; why, after the colon, is in the
    // tooltip with the rest.
    TStatusText Status = TypingStatus(FieldText(&Expression));
    if (!Status.Warning) Status = {GridNote.substr(0, GridNote.find(':')), GridNote, false};
    Set(Status);
}

void TStatusLine::ShowTyping()
{
    if (!Expression.isEnabled()) return;
    Set(TypingStatus(FieldText(&Expression)));
}

void TStatusLine::ShowSyntaxRefusal() { Set(SyntaxRefusalStatus(FieldText(&Expression))); }

}  // namespace MainUnit
