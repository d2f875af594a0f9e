#pragma once

#include <QFont>
#include <QString>
#include <QVector>
#include <QWidget>

// A status bar of text panels. Each panel is drawn as plain text in the bar's own font; the last
// panel reaches to the bar's right edge whatever its design width.
class PanelStatusBar : public QWidget {
  Q_OBJECT
 public:
  explicit PanelStatusBar(QWidget* parent = nullptr);

  void addPanel(const QString& text, int width);
  int panelCount() const { return static_cast<int>(panels_.size()); }
  QString panelText(int index) const { return panels_.at(index).text; }
  int panelDesignWidth(int index) const { return panels_.at(index).width; }
  // Where a panel is drawn, in the bar's coordinates.
  QRect panelRect(int index) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Panel {
    QString text;
    int width;
  };
  QVector<Panel> panels_;
};
