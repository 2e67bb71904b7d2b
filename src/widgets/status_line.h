// The window's status text, shown in the empty part of its tab set's row: what the window has
// to say on a few topics at once (the rating, the data files), each kept apart and shown side
// by side in topic order, cut to the room there with the whole of it in the tooltip. It lies over
// the tab set and takes no room of its own, so showing or clearing it never moves the layout.
#pragma once

#include <QLabel>
#include <QMap>
#include <QString>

class QTabBar;

class StatusLine : public QLabel {
    Q_OBJECT
public:
    explicit StatusLine(QTabBar* tabSet);
    // An empty text clears the topic.
    void SetText(int topic, const QString& text);
    QString Text(int topic) const { return texts_.value(topic); }
    // Every topic's text, in topic order, as the line shows it before it is cut.
    QString WholeText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Right of the last tab, to the end of the row.
    void Place();
    // Shows the whole text cut at the right, with an ellipsis, to the label's width.
    void ElideToWidth();

    QTabBar* tabSet_;
    QMap<int, QString> texts_;
};
