// txtComment: the line's comment in up to four rows of 60 characters, re-laid as the user
// types, with Enter filling the rest of the row instead of breaking the line.
#pragma once

#include <QPlainTextEdit>
#include <string>

namespace gui {

class CommentEdit : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit CommentEdit(QWidget* parent = nullptr);

    // Shows a stored comment; not counted as the user's edit.
    void ShowComment(const std::string& comment);

    // The height that shows all four rows of a comment without scrolling.
    int FullHeight() const;

    // The comment as the box holds it: without line breaks, at most 240 characters,
    // Windows-1252.
    const std::string& Comment() const { return comment_; }

    // The text and caret as the comment rules count them: a line break is CR LF, two
    // characters.
    std::string BoxText() const;
    int BoxCaret() const;
    void SetBoxCaret(int p);

  signals:
    // The user's change was re-laid; Comment() holds the new comment.
    void commentChanged();
    // The user typed, deleted or pasted in the box.
    void commentEdited();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Relay();

    std::string comment_;
    bool commentGuard_ = true;  // false while the box lays out its own text
    bool showing_ = false;      // a stored comment is being shown
};

}  // namespace gui
