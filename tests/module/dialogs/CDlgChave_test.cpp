// O diálogo da chave agido por uma pessoa: as duas formas da chave, o ano 84 que
// separa 1984 de 2083, o OK que só se habilita com uma chave digitada, a saída do edit
// vazio que mantém a chave anterior, o Cancelar que não a muda e o recurso do módulo
// durante o DoModal, também quando uma exceção o atravessa.
#include <gtest/gtest.h>

#include <stdexcept>

#include "janelas_teste.h"
#include "modelo_teste.h"
#include "vrmwnd/dialogs/CDlgChave.h"
#include "vrmwnd/util/modulo.h"

namespace {

constexpr int IDC_CHAVE = CDlgChave::IDC_CHAVE;

REG_QZDMC::MOVIMENTOS_DMC Movimento(int n) { return static_cast<REG_QZDMC::MOVIMENTOS_DMC>(n); }

struct TCampos {
  std::uint64_t nNumero, nMovimento, nPeriodo, nTipoPeriodo;
  bool operator==(const TCampos&) const = default;
};
std::ostream& operator<<(std::ostream& os, const TCampos& c) {
  return os << "número " << c.nNumero << ", movimento " << c.nMovimento << ", período " << c.nPeriodo << ", tipo "
            << c.nTipoPeriodo;
}
TCampos CamposDe(const REG_QZDMC& chave) {
  const std::uint64_t v = chave.Valor();
  return {(v >> 14) & 0xFFFFFFFFu, (v >> 2) & 0xFFFu, v >> 46, v & 3u};
}

bool OkHabilitado(HWND hDialogo) { return IsWindowEnabled(GetDlgItem(hDialogo, IDOK)) != FALSE; }

class CDlgChaveTest : public testing::Test {
 protected:
  CPaiGravador m_pai;
  CUsuarioRoteirizado m_usuario;
};

}  // namespace

TEST_F(CDlgChaveTest, JanelaSegueOModelo1019) {
  bool bOk = true;
  int nIdFoco = 0;
  m_usuario.QuandoAbrir("Compras - Chave")
      .Confere([&](HWND h) {
        ConfereModelo(h, "Compras - Chave", 115, 41,
                      {
                          {IDOK, "BUTTON", {6, 20, 56, 34}, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, "OK"},
                          {IDCANCEL, "BUTTON", {57, 20, 108, 34}, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, "Cancelar"},
                          {IDC_STATIC, "STATIC", {7, 9, 51, 17}, WS_VISIBLE | SS_LEFT, "Chave: "},
                          {IDC_CHAVE,
                           "EDIT",
                           {55, 3, 107, 17},
                           WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL,
                           "0000-000000"},
                      });
        bOk = OkHabilitado(h);
        nIdFoco = GetDlgCtrlID(GetFocus());
      })
      .Tecla(VK_ESCAPE);
  CDlgChave dlg(Movimento(5), &m_pai);
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_FALSE(bOk) << "o OK abre desabilitado";
  EXPECT_EQ(nIdFoco, IDC_CHAVE) << "o foco abre no edit da chave";
}

TEST_F(CDlgChaveTest, ChaveDasDuasFormas) {
  struct TCaso {
    const char* szCaso;
    int nTipo, nMovimento;
    const char* szDigitado;
    const char* szMostrado;
    TCampos esperado;
  };
  const TCaso kCasos[] = {
      {"mês/ano e número", 0, 5, "0718000123", "0718-000123", {123, 5, 7 + (2018 - 1848) * 12, 2}},
      {"mês 13 não dá período", 0, 9, "1399000001", "1399-000001", {1, 9, 0, 0}},
      {"ano 84 é 1984", 0, 5, "0184000001", "0184-000001", {1, 5, 1 + (1984 - 1848) * 12, 2}},
      {"ano 83 é 2083", 0, 5, "1283000042", "1283-000042", {42, 5, 12 + (2083 - 1848) * 12, 2}},
      {"número pela metade", 0, 5, "0818042", "0818-042000", {42000, 5, 8 + (2018 - 1848) * 12, 2}},
      {"letras e traço não entram", 0, 5, "08a18-0x00001", "0818-000001", {1, 5, 8 + (2018 - 1848) * 12, 2}},
      {"só número", 1, 5, "004567", "004567", {4567, 0, 0, 0}},
      {"só número, mais que seis dígitos", 1, 5, "12345678", "123456", {123456, 0, 0, 0}},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    CString strMostrado;
    m_usuario.QuandoAbrir("Compras - Chave")
        .Digita(IDC_CHAVE, c.szDigitado)
        .Confere([&](HWND h) { CWnd::FromHandle(GetDlgItem(h, IDC_CHAVE))->GetWindowText(strMostrado); })
        .Clica(IDOK);
    CDlgChave dlg(Movimento(c.nMovimento), &m_pai);
    dlg.SetTipo(c.nTipo);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(strMostrado, c.szMostrado);
    EXPECT_EQ(CamposDe(dlg.GetQZDMC()), c.esperado);
  }
}

TEST_F(CDlgChaveTest, OkSoComChaveDigitada) {
  struct TCaso {
    const char* szCaso;
    int nTipo;
    const char* szDigitado;
    int nApagados;  // Backspaces depois de digitar
    bool bOk;
  };
  const TCaso kCasos[] = {
      {"zeros não são chave", 0, "0000000000", 0, false}, {"um dígito diferente de zero", 0, "01", 0, true},
      {"apagado de volta aos zeros", 0, "01", 2, false},  {"só número: um dígito basta", 1, "0", 0, true},
      {"só número apagado", 1, "12", 2, false},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    bool bOk = !c.bOk;
    auto& roteiro = m_usuario.QuandoAbrir("Compras - Chave").Digita(IDC_CHAVE, c.szDigitado);
    for (int i = 0; i < c.nApagados; ++i) roteiro.Tecla(VK_BACK);
    roteiro.Confere([&](HWND h) { bOk = OkHabilitado(h); }).Tecla(VK_ESCAPE);
    CDlgChave dlg(Movimento(5), &m_pai);
    dlg.SetTipo(c.nTipo);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(bOk, c.bOk);
  }
}

TEST_F(CDlgChaveTest, EnterComOkDesabilitadoNaoFecha) {
  m_usuario.QuandoAbrir("Compras - Chave").Tecla(VK_RETURN).Digita(IDC_CHAVE, "0718000123").Tecla(VK_RETURN);
  CDlgChave dlg(Movimento(5), &m_pai);
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(CamposDe(dlg.GetQZDMC()).nNumero, 123u) << "o Enter que fechou montou a chave ao tirar o foco";
}

TEST_F(CDlgChaveTest, EditVazioMantemAChaveAnteriorECancelarNaoMuda) {
  m_usuario.QuandoAbrir("Compras - Chave")
      .Tecla(VK_TAB)  // sai vazio: a chave continua zero
      .Digita(IDC_CHAVE, "12")
      .Tecla(VK_TAB)  // sai com 12
      .Digita(IDC_CHAVE, "")
      .Tecla(VK_BACK)
      .Tecla(VK_BACK)
      .Tecla(VK_TAB)  // sai vazio de novo
      .Digita(IDC_CHAVE, "99")
      .Tecla(VK_ESCAPE);
  CDlgChave dlg(Movimento(5), &m_pai);
  dlg.SetTipo(CDlgChave::TIPO_NUMERO);
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(CamposDe(dlg.GetQZDMC()).nNumero, 12u);
}

TEST_F(CDlgChaveTest, RecursoDoModuloDuranteODoModalTambemComExcecao) {
  const HINSTANCE hAntes = AfxGetResourceHandle();
  HINSTANCE hDurante = nullptr;
  m_usuario.QuandoAbrir("Compras - Chave").Confere([&](HWND) { hDurante = AfxGetResourceHandle(); }).Tecla(VK_ESCAPE);
  m_usuario.QuandoAbrir("Compras - Chave").Digita(IDC_CHAVE, "07").Confere([](HWND) {
    throw std::runtime_error("a tela falhou");
  });
  {
    CDlgChave dlg(Movimento(5), &m_pai);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  }
  EXPECT_EQ(hDurante, vrmwnd::InstanciaModulo());
  CDlgChave dlg(Movimento(5), &m_pai);
  EXPECT_THROW(dlg.DoModal(), std::runtime_error);
  EXPECT_EQ(AfxGetResourceHandle(), hAntes);
  EXPECT_EQ(dlg.m_hWnd, nullptr) << "a janela não ficou para trás";
  EXPECT_TRUE(IsWindowEnabled(m_pai.m_hWnd)) << "o pai voltou a ser habilitado";
}
