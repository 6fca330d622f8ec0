#pragma once
// Base of every control on a form: geometry in the form's design unit, the classic mouse
// events, and the copy that control arrays make of their element 0.

#include "ui/Units.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QWidget>

class Form;

class Control : public QWidget {
    Q_OBJECT
public:
    // container is the form itself or a Frame on it.
    Control(Form& form, QWidget* container, const QString& name);
    ~Control() override;

    Form& form() const { return form_; }
    const QString& name() const { return name_; }
    int index() const { return index_; } // element index within a control array, -1 alone
    void setIndex(int index) { index_ = index; }

    // Geometry in the form's unit, relative to the container.
    double Left() const { return geometry_.left(); }
    double Top() const { return geometry_.top(); }
    double Width() const { return geometry_.width(); }
    double Height() const { return geometry_.height(); }
    void setLeft(double v) { Move(v, Top(), Width(), Height()); }
    void setTop(double v) { Move(Left(), v, Width(), Height()); }
    void setWidth(double v) { Move(Left(), Top(), v, Height()); }
    void setHeight(double v) { Move(Left(), Top(), Width(), v); }
    void Move(double left, double top) { Move(left, top, Width(), Height()); }
    virtual void Move(double left, double top, double width, double height);

    bool Visible() const { return !isHidden(); }
    void setVisible(bool visible) override;
    bool Enabled() const { return isEnabled(); }

    // Font in points at 96 dpi with the designed face name.
    double FontSize() const { return fontSize_; }
    void setFont(const QString& face, double points, bool bold);
    void setFontSize(double points);
    const QString& fontFace() const { return fontFace_; }
    bool fontBold() const { return fontBold_; }

    QColor ForeColor() const { return foreColor_; }
    void setForeColor(const QColor& c);
    QColor BackColor() const { return backColor_; }
    void setBackColor(const QColor& c);

    void setHandCursor();
    void ZOrder() { raise(); } // bring to the front

    // What the form's rescaling does with this control.
    virtual bool scalesWithForm() const { return true; }
    virtual bool scalesFont() const { return false; }

    // A hidden copy in the same container, for control arrays.
    virtual Control* cloneControl() const = 0;

signals:
    void Click();
    void DblClick();
    void MouseDown(Qt::MouseButton button, double x, double y);
    void MouseMove(Qt::MouseButtons buttons, double x, double y);
    void MouseUp(Qt::MouseButton button, double x, double y);

protected:
    // Copies the common properties of other into this control (used by cloneControl).
    void copyCommon(const Control& other);
    virtual void fontChanged() { update(); }
    virtual void backColorChanged() { update(); }
    double toUnits(double pixels) const;

    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    Form& form_;
    QString name_;
    int index_ = -1;
    QRectF geometry_;
    QString fontFace_ = QStringLiteral("宋体");
    double fontSize_ = 9;
    bool fontBold_ = false;
    QColor foreColor_ = Qt::black;
    QColor backColor_ = QColor(240, 240, 240);
    bool pressedInside_ = false;
};
