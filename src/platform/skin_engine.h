#pragma once

#include <QByteArray>
#include <QLabel>
#include <QObject>
#include <QString>

#include <optional>

class QWidget;

// A label that skins style by its type name: `SkinLabel { ... }`.
class SkinLabel : public QLabel {
    Q_OBJECT
public:
    explicit SkinLabel(QWidget* parent = nullptr);
    SkinLabel(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

namespace pentarix {

// A ".skn" file: a header of "Key: value" lines, a line "---", then a Qt
// style sheet. Header keys starting with "@" name colours or other values
// that the sheet uses as @name.
struct SkinFile {
    QString name;
    QString styleSheet;

    static std::optional<SkinFile> parse(const QByteArray& bytes);
    static constexpr const char* kMagic = "PENTARIX-SKIN 1";
};

// The skinning control of a window (Skin1): it holds one loaded skin and draws
// a window in it. A missing, empty or unreadable file holds no skin, and a
// window drawn without one keeps the plain look.
class SkinEngine final : public QObject {
    Q_OBJECT
public:
    explicit SkinEngine(QObject* parent = nullptr);

    // A bare file name, looked up in the current working folder.
    void LoadSkinFile(const QString& fileName);
    void ApplySkinToWindow(QWidget* window);

    bool hasSkin() const noexcept { return skin_.has_value(); }
    const QString& loadedFileName() const noexcept { return loadedFile_; }
    QString styleSheet() const { return skin_ ? skin_->styleSheet : QString(); }

private:
    std::optional<SkinFile> skin_;
    QString loadedFile_;
};

} // namespace pentarix
