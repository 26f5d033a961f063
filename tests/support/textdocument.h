#pragma once

#include <QList>
#include <QTextBlock>
#include <QTextDocument>

// The paragraphs of a document, in order.
inline QList<QTextBlock> blocks(const QTextDocument &doc) {
    QList<QTextBlock> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        out << b;
    return out;
}

// The runs of one character format within a paragraph, in order.
inline QList<QTextFragment> fragments(const QTextBlock &block) {
    QList<QTextFragment> out;
    for (auto it = block.begin(); !it.atEnd(); ++it)
        out << it.fragment();
    return out;
}
