// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/frame/ComponentStream_p.h"

#include "data/Errors.h"
#include "ui/frame/CaptionBarButtons_p.h"

#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QMenu>
#include <QMetaProperty>

#include <cstring>
#include <optional>

namespace quillby {

namespace {

// Raised in the text the error box reads back.
[[noreturn]] void FormError(const QString &message)
{
    throw QuillbyError(message.toLocal8Bit().toStdString());
}

[[noreturn]] void DamagedForm(const QString &path, const QString &reason)
{
    FormError(QStringLiteral("Stored form %1 is damaged: %2").arg(path, reason));
}

QJsonObject ParseStoredForm(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        FormError(QStringLiteral("Stored form %1 not found").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        FormError(
            QStringLiteral("Stored form %1 cannot be read: %2").arg(path, file.errorString()));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        DamagedForm(path,
                    QStringLiteral("%1 at byte %2").arg(error.errorString()).arg(error.offset));
    if (!document.isObject())
        DamagedForm(path, QStringLiteral("it holds no object"));
    return document.object();
}

[[noreturn]] void BadValue(const char *property)
{
    throw QuillbyError(std::string("Invalid stored value for property ") + property);
}

QJsonValue WriteFont(const TFont &font)
{
    QJsonArray style;
    const std::pair<TFontStyle, const char *> names[] = {{fsBold, "fsBold"},
                                                         {fsItalic, "fsItalic"},
                                                         {fsUnderline, "fsUnderline"},
                                                         {fsStrikeOut, "fsStrikeOut"}};
    for (const auto &[flag, name] : names) {
        if (font.Style & flag)
            style.append(QLatin1String(name));
    }
    return QJsonObject{{QStringLiteral("Charset"), font.Charset},
                       {QStringLiteral("Color"), ColorToString(font.Color)},
                       {QStringLiteral("Height"), font.Height},
                       {QStringLiteral("Name"), font.Name},
                       {QStringLiteral("Style"), style}};
}

TFont ReadFont(const QJsonValue &value)
{
    if (!value.isObject())
        BadValue("Font");
    const QJsonObject object = value.toObject();
    TFont font;
    font.Charset = object.value(QStringLiteral("Charset")).toInt(font.Charset);
    if (object.contains(QStringLiteral("Color"))) {
        const auto color = StringToColor(object.value(QStringLiteral("Color")).toString());
        if (!color)
            BadValue("Font.Color");
        font.Color = *color;
    }
    font.Height = object.value(QStringLiteral("Height")).toInt(font.Height);
    font.Name = object.value(QStringLiteral("Name")).toString(font.Name);
    font.Style = 0;
    for (const QJsonValue &flag : object.value(QStringLiteral("Style")).toArray()) {
        const QString name = flag.toString();
        if (name == QLatin1String("fsBold"))
            font.Style |= fsBold;
        else if (name == QLatin1String("fsItalic"))
            font.Style |= fsItalic;
        else if (name == QLatin1String("fsUnderline"))
            font.Style |= fsUnderline;
        else if (name == QLatin1String("fsStrikeOut"))
            font.Style |= fsStrikeOut;
        else
            BadValue("Font.Style");
    }
    return font;
}

QJsonValue WriteBitmap(const TBitmap &bitmap)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    bitmap.Image().save(&buffer, "BMP");
    return QJsonObject{{QStringLiteral("Data"), QString::fromLatin1(data.toBase64())}};
}

TBitmap ReadBitmap(const QJsonValue &value)
{
    const QJsonObject object = value.toObject();
    TBitmap bitmap;
    bitmap.SetTransparent(true);
    if (object.contains(QStringLiteral("Resource"))) {
        bitmap.LoadFromResourceName(object.value(QStringLiteral("Resource")).toString());
    } else if (object.contains(QStringLiteral("Data"))) {
        const QByteArray data =
            QByteArray::fromBase64(object.value(QStringLiteral("Data")).toString().toLatin1());
        QImage image;
        if (!image.loadFromData(data, "BMP"))
            BadValue("Bitmap");
        bitmap = TBitmap(image);
        bitmap.SetTransparent(true);
    } else {
        BadValue("Bitmap");
    }
    return bitmap;
}

// The stored default of a published property: a value equal to it is left out of a stored
// form. None for the properties that are always written (or never, when empty).
std::optional<QVariant> StoredDefault(const char *property)
{
    struct Default {
        const char *name;
        QVariant value;
    };
    static const Default defaults[] = {
        {"AllowAllUp", false},
        {"Animate", false},
        {"ButtonGlyph", QVariant::fromValue(bgCaption)},
        {"ButtonType", QVariant::fromValue(btCustom)},
        {"RolledUp", false},
        {"StayOnTop", false},
        {"Speed", 30},
    };
    for (const Default &entry : defaults) {
        if (std::strcmp(entry.name, property) == 0)
            return entry.value;
    }
    return std::nullopt;
}

bool IsDefault(const QMetaProperty &property, const QVariant &value)
{
    const auto stored = StoredDefault(property.name());
    if (stored)
        return property.isEnumType() ? value.toInt() == stored->toInt() : value == *stored;
    switch (value.metaType().id()) {
    case QMetaType::Bool:
    case QMetaType::Int:
        return false;
    case QMetaType::QString:
        return value.toString().isEmpty();
    default:
        break;
    }
    if (value.metaType() == QMetaType::fromType<QMenu *>())
        return value.value<QMenu *>() == nullptr;
    if (value.metaType() == QMetaType::fromType<TBitmap>())
        return value.value<TBitmap>().Empty();
    return false;
}

QJsonValue WriteValue(const QMetaProperty &property, const QVariant &value)
{
    if (property.isEnumType())
        return QLatin1String(property.enumerator().valueToKey(value.toInt()));
    if (value.metaType() == QMetaType::fromType<QMenu *>())
        return value.value<QMenu *>()->objectName();
    if (value.metaType() == QMetaType::fromType<TBitmap>())
        return WriteBitmap(value.value<TBitmap>());
    if (value.metaType() == QMetaType::fromType<TFont>())
        return WriteFont(value.value<TFont>());
    return QJsonValue::fromVariant(value);
}

QVariant ReadValue(const QMetaProperty &property, const QJsonValue &value,
                   const StoredFormReferences &references)
{
    if (property.isEnumType()) {
        bool ok = false;
        const int number = property.enumerator().keyToValue(value.toString().toLatin1(), &ok);
        if (!ok)
            BadValue(property.name());
        if (property.metaType() == QMetaType::fromType<TButtonGlyph>())
            return QVariant::fromValue(static_cast<TButtonGlyph>(number));
        return QVariant::fromValue(static_cast<TButtonTypes>(number));
    }
    const QMetaType type = property.metaType();
    if (type == QMetaType::fromType<QMenu *>())
        return QVariant::fromValue(references.menu ? references.menu(value.toString())
                                                   : static_cast<QMenu *>(nullptr));
    if (type == QMetaType::fromType<TBitmap>())
        return QVariant::fromValue(ReadBitmap(value));
    if (type == QMetaType::fromType<TFont>())
        return QVariant::fromValue(ReadFont(value));
    switch (type.id()) {
    case QMetaType::Bool:
        if (!value.isBool())
            BadValue(property.name());
        return value.toBool();
    case QMetaType::Int:
        if (!value.isDouble())
            BadValue(property.name());
        return value.toInt();
    case QMetaType::QString:
        if (!value.isString())
            BadValue(property.name());
        return value.toString();
    default:
        BadValue(property.name());
    }
}

QJsonObject WriteButton(const TCaptionButton &button)
{
    QJsonObject stored;
    const QMetaObject *meta = button.metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const QVariant value = property.read(&button);
        if (!IsDefault(property, value))
            stored.insert(QLatin1String(property.name()), WriteValue(property, value));
    }
    if (button.OnClick() && !button.OnClick().Name.isEmpty())
        stored.insert(QStringLiteral("OnClick"), button.OnClick().Name);
    if (button.OnDrawButton() && !button.OnDrawButton().Name.isEmpty())
        stored.insert(QStringLiteral("OnDrawButton"), button.OnDrawButton().Name);
    return stored;
}

void ReadButton(TCaptionButton &button, const QJsonObject &stored,
                const StoredFormReferences &references)
{
    const QMetaObject *meta = button.metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const auto found = stored.constFind(QLatin1String(property.name()));
        if (found == stored.constEnd())
            continue;
        property.write(&button, ReadValue(property, *found, references));
    }
    const QString onClick = stored.value(QStringLiteral("OnClick")).toString();
    if (!onClick.isEmpty() && references.notifyEvent)
        button.SetOnClick(references.notifyEvent(onClick));
    const QString onDraw = stored.value(QStringLiteral("OnDrawButton")).toString();
    if (!onDraw.isEmpty() && references.drawButtonEvent)
        button.SetOnDrawButton(references.drawButtonEvent(onDraw));
}

} // namespace

QJsonObject WriteCaptionBarButtons(const TCaptionBarButtons &component)
{
    QJsonObject stored;
    if (!component.objectName().isEmpty())
        stored.insert(QStringLiteral("Name"), component.objectName());
    if (component.Tag() != 0)
        stored.insert(QStringLiteral("Tag"), component.Tag());
    QJsonArray buttons;
    for (int i = 0; i < component.Buttons()->Count(); ++i)
        buttons.append(WriteButton(*component.Buttons()->Items(i)));
    stored.insert(QStringLiteral("Buttons"), buttons);
    stored.insert(QStringLiteral("Version"), component.Version());
    return stored;
}

void ReadCaptionBarButtons(TCaptionBarButtons &component, const QJsonObject &stored,
                           const StoredFormReferences &references)
{
    if (stored.contains(QStringLiteral("Name")))
        component.setObjectName(stored.value(QStringLiteral("Name")).toString());
    if (stored.contains(QStringLiteral("Tag")))
        component.SetTag(stored.value(QStringLiteral("Tag")).toInt());
    if (stored.contains(QStringLiteral("Buttons"))) {
        const QJsonValue list = stored.value(QStringLiteral("Buttons"));
        if (!list.isArray())
            BadValue("Buttons");
        TCaptionButtons &buttons = *component.Buttons();
        buttons.Clear();
        for (const QJsonValue &entry : list.toArray()) {
            if (!entry.isObject())
                BadValue("Buttons");
            ReadButton(*buttons.Add(), entry.toObject(), references);
        }
    }
    // A stored Version is read and dropped.
    component.SetVersion(stored.value(QStringLiteral("Version")).toString());
}

void LoadCaptionBarButtons(TCaptionBarButtons &component, const QString &path,
                           const StoredFormReferences &references)
{
    component.Buttons()->Clear();
    const QJsonObject stored = ParseStoredForm(path);
    try {
        ReadCaptionBarButtons(component, stored, references);
    } catch (const QuillbyError &error) {
        // No button half read: one without its handler would look right and do nothing.
        component.Buttons()->Clear();
        DamagedForm(path, QString::fromLocal8Bit(error.what()));
    }
}

} // namespace quillby
