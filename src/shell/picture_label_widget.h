#pragma once
// The two building blocks of the skinned window: a picture from the skin set, remembered by
// name so the screens (and their tests) can ask which picture a control shows, and a
// caption label that lies over a picture and reports clicks.

#include <QLabel>
#include <QString>

namespace orvane {

class PictureLabel : public QLabel {
  Q_OBJECT
  Q_PROPERTY(QString picture READ Picture)

 public:
  explicit PictureLabel(QWidget* parent, const QString& objectName);
  // Shows the named skin picture at its own size; an unknown name shows nothing. The
  // picture is decoded only once the label is first shown, so hidden pages cost nothing.
  void SetPicture(const QString& name);
  QString Picture() const { return picture_; }

 signals:
  void pressed(QMouseEvent* event);
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void LoadPixmap();

  QString picture_;
  bool loaded_ = false;
};

class CaptionLabel : public QLabel {
  Q_OBJECT

 public:
  explicit CaptionLabel(QWidget* parent, const QString& objectName);

  // Sets the caption in the given font, made smaller (down to a floor) until it fits the
  // label's width, so no caption is ever clipped.
  void SetFittedText(const QString& text, const QFont& font);

 signals:
  void clicked();
  void hovered();
  void left();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
};

}  // namespace orvane
