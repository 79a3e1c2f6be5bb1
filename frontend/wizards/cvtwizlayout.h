// Page 2, the last, of the conversion wizard: the columns of the
// conversion's variables, the sex codes and the conversion's options, kept
// in a ".dfi" file beside the input file. Every showing starts from that
// file, or from no columns, the codes 1 and 2 and each box's initial state.
// The twelve conversions' pages differ only by the data of
// ConversionPageOf: CCVTwizLayout is each of them, and CCVTwizAlquen to
// CCVTwizLumpret name them.
#pragma once

#include "frontend/wizards/wizlayout.h"

class QLineEdit;

namespace kelvarin {

class CCVTwizLayout : public CWizLayout {
  Q_OBJECT

 public:
  explicit CCVTwizLayout(int conversionIndex, QWidget* parent = nullptr);

  int conversionIndex() const { return m_conversionIndex; }
  QLineEdit* maleEdit() const { return m_male; }
  QLineEdit* femaleEdit() const { return m_female; }

  void OnSetActive() override;
  bool validatePage() override;
  int nextId() const override { return -1; }  // Finish ends the wizard

 protected:
  // Hands back to the sheet, then writes the .dfi file.
  void HandBack() override;

 private:
  int m_conversionIndex;
  QLineEdit* m_male;
  QLineEdit* m_female;
};

// The page of conversion index Index.
template <int Index>
class CCVTwizPage : public CCVTwizLayout {
 public:
  explicit CCVTwizPage(QWidget* parent = nullptr) : CCVTwizLayout(Index, parent) {}
};

// clang-format off
class CCVTwizAlquen final : public CCVTwizPage<0> { public: using CCVTwizPage::CCVTwizPage; };
class CCVTwizBernit final : public CCVTwizPage<1> { public: using CCVTwizPage::CCVTwizPage; };
class CCVTwizCaslov final : public CCVTwizPage<2> { public: using CCVTwizPage::CCVTwizPage; };
class CCVTwizDorwim final : public CCVTwizPage<3> { public: using CCVTwizPage::CCVTwizPage; };
class CCVTwizElbrac final : public CCVTwizPage<4> { public: using CCVTwizPage::CCVTwizPage; };
class CCVTwizFenzel final : public CCVTwizPage<5> { public: using CCVTwizPage::CCVTwizPage; };
class CCVTwizGorvat final : public CCVTwizPage<6> { public: using CCVTwizPage::CCVTwizPage; };
class CCVTwizHulmen final : public CCVTwizPage<7> { public: using CCVTwizPage::CCVTwizPage; };
class CCVTwizIrsolt final : public CCVTwizPage<8> { public: using CCVTwizPage::CCVTwizPage; };
class CCVTwizJantrik final : public CCVTwizPage<9> { public: using CCVTwizPage::CCVTwizPage; };
class CCVTwizKolvesh final : public CCVTwizPage<10> { public: using CCVTwizPage::CCVTwizPage; };
class CCVTwizLumpret final : public CCVTwizPage<11> { public: using CCVTwizPage::CCVTwizPage; };
// clang-format on

}  // namespace kelvarin
