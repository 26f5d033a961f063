#pragma once

class QObject;
class QTextDocument;

// How to add and delete pictures, for the teacher, as a formatted document.
namespace managerinstructions {

QTextDocument *makeDocument(QObject *parent);

} // namespace managerinstructions
