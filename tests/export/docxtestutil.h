// SPDX-License-Identifier: MIT
// Reading back a written .docx in tests: its entries and a small element tree of its
// XML parts.
#pragma once

#include "zippackage.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QMap>
#include <QPainter>
#include <QString>
#include <QXmlStreamReader>

namespace Velloquin {

namespace docxtest {

inline const QString W =
    QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");

struct Node
{
    QString ns;
    QString name;
    QMap<QString, QString> attributes; // by qualified name as written ("w:val")
    QList<Node> children;
    QString text;

    const Node *child(const QString &n) const
    {
        for (const Node &c : children) {
            if (c.name == n)
                return &c;
        }
        return nullptr;
    }
    QList<const Node *> all(const QString &n) const
    {
        QList<const Node *> found;
        for (const Node &c : children) {
            if (c.name == n)
                found.append(&c);
        }
        return found;
    }
    // Depth-first search for the first descendant of that name.
    const Node *find(const QString &n) const
    {
        for (const Node &c : children) {
            if (c.name == n)
                return &c;
            if (const Node *d = c.find(n))
                return d;
        }
        return nullptr;
    }
    void collect(const QString &n, QList<const Node *> *out) const
    {
        for (const Node &c : children) {
            if (c.name == n)
                out->append(&c);
            c.collect(n, out);
        }
    }
    QString attr(const QString &qualified) const { return attributes.value(qualified); }
};

// Parses an XML part into a tree; *ok is false when the XML is not well formed.
inline Node parse(const QByteArray &xml, bool *ok, QString *error = nullptr)
{
    QXmlStreamReader reader(xml);
    Node root;
    QList<Node *> stack{&root};
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            Node n;
            n.ns = reader.namespaceUri().toString();
            n.name = reader.name().toString();
            for (const QXmlStreamAttribute &a : reader.attributes())
                n.attributes.insert(a.qualifiedName().toString(), a.value().toString());
            stack.last()->children.append(n);
            stack.append(&stack.last()->children.last());
        } else if (reader.isEndElement()) {
            stack.removeLast();
        } else if (reader.isCharacters()) {
            stack.last()->text += reader.text();
        }
    }
    *ok = !reader.hasError();
    if (error)
        *error = reader.errorString();
    return root;
}

// The visible text of a paragraph: its w:t pieces, with w:tab as a tab.
inline QString paragraphText(const Node &p)
{
    QString text;
    for (const Node &r : p.children) {
        if (r.name != QLatin1String("r"))
            continue;
        for (const Node &c : r.children) {
            if (c.name == QLatin1String("t"))
                text += c.text;
            else if (c.name == QLatin1String("tab"))
                text += QLatin1Char('\t');
        }
    }
    return text;
}

// A grid-like test picture: black lines every 'square' pixels on white, with the top
// left square filled.
inline QImage testPicture(int width, int height, int square = 20)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.fillRect(0, 0, square, square, Qt::black);
    for (int x = 0; x < width; x += square)
        painter.drawLine(x, 0, x, height - 1);
    for (int y = 0; y < height; y += square)
        painter.drawLine(0, y, width - 1, y);
    painter.drawRect(0, 0, width - 1, height - 1);
    return image;
}

} // namespace docxtest

} // namespace Velloquin
