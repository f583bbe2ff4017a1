// The comment box's keys and its re-lay after every change.
#include "app/gui/CommentEdit.h"

#include <QKeyEvent>
#include <QTextBlock>

#include "editor/CommentBox.h"
#include "model/qt/FixedFont.h"
#include "model/qt/ModelText.h"

namespace gui {

namespace {

constexpr int kRows = editor::kCommentLength / editor::kCommentRowLength;

// The widget holds one '\n' where the box rules count CR LF.
QString WidgetText(const std::string& boxText) {
    QString text = model::ToQString(boxText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace

CommentEdit::CommentEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("txtComment"));
    setToolTip(QStringLiteral("Comments for this line."));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
    QFont font = model::FixedPitchFont();
    font.setPointSize(9);
    setFont(font);
    document()->setDocumentMargin(2);
    connect(this, &QPlainTextEdit::textChanged, this, &CommentEdit::Relay);
}

void CommentEdit::ShowComment(const std::string& comment) {
    showing_ = true;
    setPlainText(WidgetText(editor::BoxTextOfComment(comment)));
    showing_ = false;
}

std::string CommentEdit::BoxText() const {
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return model::FromQString(text);
}

int CommentEdit::BoxCaret() const {
    const int q = textCursor().position();
    const QString text = toPlainText();
    return q + static_cast<int>(text.left(q).count(QLatin1Char('\n')));
}

void CommentEdit::SetBoxCaret(int p) {
    const std::string box = BoxText();
    int q = 0;
    for (int i = 0; i < p && i < static_cast<int>(box.size()); ++i) {
        if (box[i] != '\r')
            ++q;
    }
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::min(q, static_cast<int>(toPlainText().size())));
    setTextCursor(cursor);
}

void CommentEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter fills the rest of the caret's row with blanks, so the next character starts
        // the next row.
        const int padding = editor::EnterPadding(BoxCaret());
        if (padding > 0)
            insertPlainText(QString(padding, QLatin1Char(' ')));
        return;
    }
    if (event->key() == Qt::Key_Delete) {
        emit commentEdited();
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    const QString typed = event->text();
    const bool character = typed.size() == 1 &&
                           (typed.front() == QLatin1Char('\b') || typed.front().unicode() >= 0x20);
    if (character && !(event->modifiers() & Qt::ControlModifier)) {
        const char c =
            typed.front().unicode() < 0x80 ? static_cast<char>(typed.front().unicode()) : '?';
        if (!editor::CommentKeyAccepted(BoxText().size(), c))
            return;
        emit commentEdited();
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CommentEdit::Relay() {
    if (!commentGuard_)
        return;
    const std::string box = BoxText();
    const int p = BoxCaret();
    comment_ = model::StorableText(editor::CommentOfBoxText(box));
    commentGuard_ = false;
    if (!comment_.empty()) {
        const std::string laid = editor::BoxTextOfComment(comment_);
        if (laid != box)
            setPlainText(WidgetText(laid));
        SetBoxCaret(editor::CaretAfterRelay(laid, p));
    }
    commentGuard_ = true;
    // A stored comment being shown is the line's own; only the user's changes are reported.
    if (!showing_) {
        emit commentChanged();
        emit commentEdited();
    }
}

int CommentEdit::FullHeight() const {
    const QMargins margins = contentsMargins();
    const int padding = 2 * (frameWidth() + static_cast<int>(document()->documentMargin()));
    return kRows * fontMetrics().lineSpacing() + padding + margins.top() + margins.bottom();
}

}  // namespace gui
