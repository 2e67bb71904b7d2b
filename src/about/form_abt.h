// The About box: names the program, its version and date, the maker and the rating body, and
// links to the rating body's web site. The main window shows it once as a borderless start-up
// splash that hides itself after a second, and afterwards as a modal box from Help > About. It is
// created once and only hidden when closed, so the same window serves every showing.
#pragma once

#include <QDialog>

class QAction;
class QEvent;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

class TFormAbt : public QDialog {
    Q_OBJECT

public:
    explicit TFormAbt(QWidget* parent = nullptr);

    // Drops the frame and caption bar; the box keeps staying on top. The box grows to the
    // outer height it had with its frame, so that the bottom lines of the panel show.
    void SetBorderless();
    // Shows the box without modality and starts the timer that hides it after one tick.
    void StartSplash();
    // Shows the box modally and returns the dialog's result when it closes. A box that is
    // already on screen cannot become modal: raises ProgramError.
    int ShowModal();
    // The tables' data version (each table's date and short hash), in the version line's
    // tooltip: the box's layout stays as it is.
    void SetDataVersion(const QString& dataVersion);

    void setVisible(bool visible) override;

    // Client size with a frame, as the box was laid out, and without one.
    static constexpr int kClientWidth = 488;
    static constexpr int kClientHeight = 303;
    static constexpr int kBorderlessHeight = 333;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Button1Click();
    void Close1Click();
    void Timer1Timer();
    void Label6Click();

    void CentreOnScreen();
    // The pictures at the device pixel ratio of the box's screen.
    void ShowPictures();

    QFrame* Panel1;
    // Panel1's area within its border, which holds the controls.
    QWidget* Panel1Client;
    QLabel* Image2;
    QLabel* Label6;
    QLabel* Label9;
    QLabel* Label5;
    QLabel* Label4;
    QLabel* Label3;
    QLabel* Image3;
    QLabel* Label2;
    QLabel* Label1;
    QLabel* Label8;
    QLabel* Label7;
    QLabel* Image1;
    QLineEdit* Edit2;
    QLineEdit* Edit1;
    QPushButton* Button1;
    QAction* Close1;
    QTimer* Timer1;
};
