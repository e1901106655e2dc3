// The NC colouring lexer on a real editor: words and comments take the highlight styles,
// and a long program is styled only as far as it is shown.
#include <Qsci/qsciscintilla.h>

#include <QtTest>

#include "settings/word_format.h"
#include "ui/nc_lexer.h"

using namespace vormak;

class NcLexerTest : public QObject {
  Q_OBJECT

 private:
  static int StyleAt(QsciScintilla& ed, int position) {
    return static_cast<int>(ed.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, position));
  }

  static MachineSettings Coloured() {
    MachineSettings s;
    s.highlight[0] = {'X', 1};
    s.highlight[1] = {'G', 2};
    s.highlight[6] = {'(', 3};
    return s;
  }

 private slots:
  void WordsAndCommentsTakeTheirColours() {
    QsciScintilla ed;
    const MachineSettings s = Coloured();
    auto* lexer = new NcLexer(BuildSyntaxDescriptor(s), s.highlight, &ed);
    ed.setLexer(lexer);
    ed.setText("G1X1.5Y2(CUT X)\r\nN10 X-2");
    ed.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0, -1);
    QCOMPARE(StyleAt(ed, 0), 2);  // G1: blue
    QCOMPARE(StyleAt(ed, 1), 2);
    QCOMPARE(StyleAt(ed, 2), 1);  // X1.5: red
    QCOMPARE(StyleAt(ed, 5), 1);
    QCOMPARE(StyleAt(ed, 6), 0);  // Y2: no pair, the text colour
    QCOMPARE(StyleAt(ed, 8), 3);  // the comment: green, its X too
    QCOMPARE(StyleAt(ed, 13), 3);
    QCOMPARE(StyleAt(ed, 14), 3);  // ")"
    QCOMPARE(StyleAt(ed, 21), 1);  // X-2 on line 2
    QCOMPARE(lexer->color(1), QColor(255, 0, 0));
    QCOMPARE(lexer->color(3), QColor(0, 128, 0));
  }

  void CommentsOffLeaveLettersInsideUncoloured() {
    QsciScintilla ed;
    MachineSettings s = Coloured();
    s.highlight[6] = {0, 3};
    s.comment_char = ";";
    s.end_comment_char = "";
    ed.setLexer(new NcLexer(BuildSyntaxDescriptor(s), s.highlight, &ed));
    ed.setText("X1;X2\r\nX3");
    ed.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0, -1);
    QCOMPARE(StyleAt(ed, 0), 1);
    QCOMPARE(StyleAt(ed, 2), 0);
    QCOMPARE(StyleAt(ed, 3), 0);  // X inside the comment
    QCOMPARE(StyleAt(ed, 7), 1);  // the comment ended with its line
  }

  void MillionLinesStyleOnlyWhatIsAsked() {
    QsciScintilla ed;
    const MachineSettings s = Coloured();
    ed.setLexer(new NcLexer(BuildSyntaxDescriptor(s), s.highlight, &ed));
    QByteArray text;
    text.reserve(1000000 * 14);
    for (int i = 0; i < 1000000; ++i) text += "G1X1.5Y2 (C)\r\n";
    ed.SendScintilla(QsciScintillaBase::SCI_SETTEXT, text.constData());
    ed.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0, 14 * 40);
    const long styled = ed.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED);
    QVERIFY(styled >= 14 * 40);
    QVERIFY(styled < 14 * 1000);
    QCOMPARE(StyleAt(ed, 14 * 39 + 2), 1);
  }
};

QTEST_MAIN(NcLexerTest)
#include "nc_lexer_test.moc"
