// O usuário interativo sobre um terminal roteirizado: o que a pessoa faz (teclas,
// caracteres acentuados, Alt+letra, cliques nas células) chega ao diálogo modal como
// a entrada do Windows; o terminal pequeno demais avisa e espera; uma janela
// redimensionável acompanha o terminal; o fim da entrada encerra o laço modal.
#include <gtest/gtest.h>
#include "vrmwnd/terminal/texto_celulas.h"

#include <deque>
#include <functional>
#include <sstream>

#include "vrmwnd/dialogs/CDlgMsgCm.h"
#include "vrmwnd/platform/afxdlg.h"
#include "vrmwnd/platform/useragent.h"
#include "vrmwnd/terminal/CUsuarioTerminal.h"

using vrmwnd::terminal::CDesenhista;
using vrmwnd::terminal::CGradeCelulas;
using vrmwnd::terminal::CUsuarioTerminal;
using vrmwnd::terminal::ITerminal;
using vrmwnd::terminal::TEvento;
using vrmwnd::terminal::TTamanho;

namespace {

// Cada passo vê a última tela mostrada e dá a próxima ação da pessoa; um passo pode
// mudar o tamanho do terminal antes de agir. Sem passos, a entrada acabou.
struct TPasso {
  std::function<TEvento(const std::vector<std::string>& tela)> acao;
  std::optional<TTamanho> tamanho;
};

class CTerminalRoteirizado : public ITerminal {
 public:
  CTerminalRoteirizado(TTamanho tamanho, std::vector<TPasso> passos)
      : m_tamanho(tamanho), m_passos(passos.begin(), passos.end()) {}
  TTamanho Tamanho() override { return m_tamanho; }
  void Mostra(const CGradeCelulas& tela) override {
    std::vector<std::string> linhas;
    std::istringstream texto(tela.Texto());
    for (std::string strLinha; std::getline(texto, strLinha);) linhas.push_back(strLinha);
    m_telas.push_back(std::move(linhas));
  }
  // A pessoa age quando o programa espera por ela; quem só olha (sem espera) não
  // acha nada ainda.
  std::optional<TEvento> Le(int nEsperaMs) override {
    if (nEsperaMs == 0) return std::nullopt;
    if (m_passos.empty()) return TEvento::De(TEvento::ETipo::Fim);
    TPasso passo = std::move(m_passos.front());
    m_passos.pop_front();
    if (passo.tamanho) m_tamanho = *passo.tamanho;
    return passo.acao(m_telas.empty() ? std::vector<std::string>{} : m_telas.back());
  }
  void Copia(std::string_view strTexto) override { m_copias.emplace_back(strTexto); }
  const std::vector<std::vector<std::string>>& Telas() const { return m_telas; }
  const std::vector<std::string>& Copias() const { return m_copias; }

 private:
  TTamanho m_tamanho;
  std::deque<TPasso> m_passos;
  std::vector<std::vector<std::string>> m_telas;
  std::vector<std::string> m_copias;
};

TPasso Tecla(int nTecla, std::vector<int> modificadores = {}) {
  return {[=](const auto&) { return TEvento::Tecla(nTecla, modificadores); }, std::nullopt};
}
TPasso Texto(const char* szTexto) {
  return {[=](const auto&) { return TEvento::Texto(szTexto); }, std::nullopt};
}
// Um clique na primeira célula do texto, onde a pessoa o vê na tela (ou nDepois
// células à direita dela).
TPasso Clique(std::string strTexto, int nDepois = 0) {
  return {[=](const std::vector<std::string>& tela) {
            for (int y = 0; y < static_cast<int>(tela.size()); ++y) {
              const std::string& strLinha = tela[static_cast<std::size_t>(y)];
              const std::size_t nPos = strLinha.find(strTexto);
              if (nPos == std::string::npos) continue;
              const int x = vrmwnd::terminal::LarguraDoTexto(strLinha.substr(0, nPos));
              return TEvento::Mouse(TEvento::ETipo::Clique, {x + nDepois, y});
            }
            ADD_FAILURE() << strTexto << " não está na tela";
            return TEvento::De(TEvento::ETipo::Fim);
          },
          std::nullopt};
}
TPasso Redimensiona(TTamanho tamanho) {
  return {[](const auto&) { return TEvento::De(TEvento::ETipo::Redimensiona); }, tamanho};
}

const DLGTEMPLATEDESC kModelo = {
    "Fornecedor",
    0,
    0,
    160,
    72,
    WS_POPUP | WS_CAPTION | DS_MODALFRAME,
    {
        {1001, "STATIC", "&Código:", 5, 6, 36, 8, WS_VISIBLE},
        {1002, "EDIT", "", 44, 4, 40, 12, WS_VISIBLE | WS_TABSTOP | WS_BORDER},
        {1003, "STATIC", "&Nome:", 5, 22, 36, 8, WS_VISIBLE},
        {1004, "EDIT", "", 44, 20, 110, 12, WS_VISIBLE | WS_TABSTOP | WS_BORDER},
        {1005, "BUTTON", "&Ativo", 44, 36, 60, 10, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX},
        {IDOK, "BUTTON", "&Gravar", 50, 52, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {IDCANCEL, "BUTTON", "Cancelar", 104, 52, 50, 14, WS_VISIBLE | WS_TABSTOP},
    }};

class CDlgFornecedor : public CDialog {
 public:
  explicit CDlgFornecedor(const DLGTEMPLATEDESC& modelo) { InitModalIndirect(&modelo, nullptr); }
  CString m_strCodigo, m_strNome;
  bool m_bAtivo = false;
  TTamanho m_tamanho;

 protected:
  void OnOK() override {
    GetDlgItemText(1002, m_strCodigo);
    GetDlgItemText(1004, m_strNome);
    m_bAtivo = IsDlgButtonChecked(1005) == BST_CHECKED;
    m_tamanho = CDesenhista::TamanhoEmCelulas(m_hWnd);
    CDialog::OnOK();
  }
};

struct TResultado {
  INT_PTR nResultado;
  std::string strCodigo, strNome;
  bool bAtivo;
  TTamanho tamanho;
  std::vector<std::vector<std::string>> telas;
};

TResultado Roda(std::vector<TPasso> passos, TTamanho terminal = {80, 24}, const DLGTEMPLATEDESC& modelo = kModelo) {
  CTerminalRoteirizado tela(terminal, std::move(passos));
  CUsuarioTerminal pessoa(tela, {"Compras", "Esc sai"});
  IUserAgent* pAnterior = SetUserAgent(&pessoa);
  CDlgFornecedor dlg(modelo);
  const INT_PTR nResultado = dlg.DoModal();
  SetUserAgent(pAnterior);
  return {nResultado,  dlg.m_strCodigo.GetString(), dlg.m_strNome.GetString(), dlg.m_bAtivo, dlg.m_tamanho,
          tela.Telas()};
}

}  // namespace

TEST(UsuarioTerminalTest, OQueAPessoaFazChegaAoDialogo) {
  struct TCaso {
    const char* szCaso;
    std::vector<TPasso> passos;
    INT_PTR nResultado;
    const char* szCodigo;
    const char* szNome;
    bool bAtivo;
  };
  const TCaso casos[] = {
      {"digita, Tab e Enter grava",
       {Texto("1"), Texto("2"), Tecla(VK_TAB), Texto("A"), Texto("ç"), Texto("ú"), Texto("c"), Tecla(VK_RETURN)},
       IDOK,
       "12",
       "Açúc",
       false},
      {"Shift+Tab volta ao campo anterior",
       {Tecla(VK_TAB), Tecla(VK_TAB, {VK_LSHIFT}), Texto("7"), Tecla(VK_RETURN)},
       IDOK,
       "7",
       "",
       false},
      {"Alt+A marca a caixa, Alt+N vai ao nome e Alt+G grava",
       {Tecla('A', {VK_LMENU}), Tecla('N', {VK_LMENU}), Texto("x"), Tecla('G', {VK_LMENU})},
       IDOK,
       "",
       "x",
       true},
      {"Backspace apaga e Esc cancela", {Texto("9"), Tecla(VK_BACK), Tecla(VK_ESCAPE)}, IDCANCEL, "", "", false},
      {"o clique no rótulo não faz nada; no campo e no botão, sim",
       {Clique("Nome:"), Texto("4"), Clique("Nome:", 12), Texto("5"), Clique("» Gravar")},
       IDOK,
       "4",
       "5",
       false},
      {"clique na caixa marca", {Clique("[ ] Ativo"), Tecla(VK_RETURN)}, IDOK, "", "", true},
      {"o fim da entrada encerra o laço", {Texto("3")}, -1, "", "", false},
  };
  for (const TCaso& caso : casos) {
    const TResultado r = Roda(caso.passos);
    EXPECT_EQ(r.nResultado, caso.nResultado) << caso.szCaso;
    EXPECT_EQ(r.strCodigo, caso.szCodigo) << caso.szCaso;
    EXPECT_EQ(r.strNome, caso.szNome) << caso.szCaso;
    EXPECT_EQ(r.bAtivo, caso.bAtivo) << caso.szCaso;
  }
}

TEST(UsuarioTerminalTest, ATelaTemAsBarrasEODialogoCentrado) {
  const TResultado r = Roda({Tecla(VK_ESCAPE)});
  ASSERT_FALSE(r.telas.empty());
  const std::vector<std::string>& tela = r.telas.front();
  ASSERT_EQ(tela.size(), 24u);
  EXPECT_EQ(tela.front(), " Compras");
  EXPECT_EQ(tela.back(), " Esc sai");
  // 160 x 72 unidades dão 40 x 9 células, mais a moldura: 42 x 11 no meio das 22 linhas.
  const TTamanho tamanho{42, 11};
  const int y0 = 1 + (22 - tamanho.nLinhas) / 2;
  EXPECT_NE(tela[static_cast<std::size_t>(y0)].find("═ Fornecedor ═"), std::string::npos) << tela[y0];
  EXPECT_EQ(tela[static_cast<std::size_t>(y0)].find("╔"), static_cast<std::size_t>((80 - tamanho.nColunas) / 2));
}

TEST(UsuarioTerminalTest, TerminalPequenoDemaisAvisaEEsperaCrescer) {
  const TResultado r =
      Roda({Texto("5"), Tecla(VK_ESCAPE), Redimensiona({80, 24}), Texto("6"), Tecla(VK_RETURN)}, {30, 8});
  EXPECT_EQ(r.nResultado, IDOK) << "o Escape com a tela pequena não chegou ao diálogo";
  EXPECT_EQ(r.strCodigo, "6");
  ASSERT_GE(r.telas.size(), 2u);
  // O aviso quebrado em linhas centradas, lido como uma frase.
  std::string strAviso;
  for (const std::string& strLinha : r.telas.front()) {
    std::istringstream palavras(strLinha);
    for (std::string strPalavra; palavras >> strPalavra;) strAviso += (strAviso.empty() ? "" : " ") + strPalavra;
  }
  EXPECT_NE(strAviso.find("Terminal pequeno demais"), std::string::npos) << strAviso;
  EXPECT_NE(strAviso.find("pede 42 colunas por 11"), std::string::npos) << strAviso;
  EXPECT_EQ(strAviso.find("Fornecedor ═"), std::string::npos) << "nada da janela é desenhado";
}

TEST(UsuarioTerminalTest, JanelaRedimensionavelAcompanhaOTerminal) {
  DLGTEMPLATEDESC modelo = kModelo;
  modelo.style |= WS_THICKFRAME;
  const TResultado cresce = Roda({Redimensiona({90, 28}), Tecla(VK_RETURN)}, {80, 24}, modelo);
  EXPECT_EQ(cresce.tamanho, (TTamanho{52, 15}));
  const TResultado encolhe = Roda({Redimensiona({60, 20}), Tecla(VK_RETURN)}, {80, 24}, modelo);
  // 22 colunas seriam 132 pixels: a janela de borda de redimensionar não fica mais
  // estreita que a largura mínima do sistema (SM_CXMINTRACK, 136), 23 células.
  EXPECT_EQ(encolhe.tamanho, (TTamanho{23, 7}));
  // Maior que o terminal ao abrir (como volta uma posição guardada grande): encolhe
  // até caber, em vez do aviso de terminal pequeno.
  const TResultado cabe = Roda({Tecla(VK_RETURN)}, {36, 12}, modelo);
  EXPECT_EQ(cabe.tamanho, (TTamanho{36, 10}));
  const TResultado fixa = Roda({Redimensiona({90, 28}), Tecla(VK_RETURN)});
  EXPECT_EQ(fixa.tamanho, (TTamanho{42, 11})) << "sem borda de redimensionar o diálogo fica como é";
}

TEST(UsuarioTerminalTest, TabelaCopiadaVaiParaAAreaDeTransferenciaDoTerminal) {
  struct TCaso {
    const char* szCaso;
    std::vector<int> modificadores;
    std::vector<std::string> copias;
  };
  const TCaso kCasos[] = {
      {"Ctrl e Shift da esquerda", {VK_LCONTROL, VK_LSHIFT}, {"\tConta\t\r\n\t3.1.01\t\r\n"}},
      {"Ctrl da direita", {VK_RCONTROL, VK_LSHIFT}, {}},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    CTerminalRoteirizado tela({100, 30}, {Tecla(VK_F2, c.modificadores), Clique("Não")});
    CUsuarioTerminal pessoa(tela, {"Compras", "Esc sai"});
    IUserAgent* pAnterior = SetUserAgent(&pessoa);
    CDlgMsgCm dlg(nullptr);
    dlg.SetTitulo("Tabela");
    CDlgMsgCm::CInformacaoColuna coluna;
    coluna.m_strTitulo = "Conta";
    coluna.m_nLargura = 120;
    coluna.m_Linhas.Add("3.1.01");
    dlg.m_Colunas.Add(coluna);
    EXPECT_EQ(dlg.DoModal(), IDNO);
    SetUserAgent(pAnterior);
    EXPECT_EQ(tela.Copias(), c.copias);
  }
}
