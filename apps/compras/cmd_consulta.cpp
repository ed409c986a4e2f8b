// compras consulta EDIT CODIGO: põe o código no edit de consulta (autorização de
// compra, condição de pagamento ou um cadastro da empresa: filial, natureza, conta,
// histórico, produto, contrato, local, CST do IPI, tabela de preço, estado, …), sai do campo como uma pessoa e mostra o
// que o edit mostra: a descrição do static companheiro e a chave, ou a caixa de mensagem da recusa.
// --lista abre a lista de consulta do cadastro e imprime as linhas que ela mostra.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "comandos.h"
#include "vrmwnd/platform/scripted_user.h"
#include "vrmwnd/vrmwnd.h"

namespace compras {
namespace {

// A janela com o edit, o static companheiro e um outro campo para onde o foco vai.
struct TTela {
  CWnd pai;
  CStatic estatico;
  TTela() { pai.CreateEx(0, nullptr, "Consulta", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 600, 200), nullptr, 0); }
  ~TTela() { pai.DestroyWindow(); }
  // Cria o edit (100), o static (101) e o outro campo (102) e liga os dois primeiros.
  bool Liga(CBaseEditExDF& edit) {
    CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 100, 20, pai.m_hWnd, 100, nullptr,
                    nullptr);
    CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 30, 300, 20, pai.m_hWnd, 101, nullptr, nullptr);
    CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 60, 100, 20, pai.m_hWnd, 102, nullptr,
                    nullptr);
    if (!edit.SubclassDlgItem(100, &pai) || !estatico.SubclassDlgItem(101, &pai)) return false;
    edit.SetStaticCompanheiro(&estatico);
    return true;
  }
  // Digita o código no edit e passa ao outro campo.
  void DigitaESai(CBaseEditExDF& edit, const char* szCodigo) {
    ::SetFocus(edit.m_hWnd);
    edit.SetWindowText(szCodigo);
    ::SetFocus(GetDlgItem(pai.m_hWnd, 102));
  }
  std::string Descricao() const {
    CString s;
    estatico.GetWindowText(s);
    return s.GetString();
  }
};

int ConsultaAutorizacao(const char* szEmpresa, const char* szCodigo) {
  HRESULT hr = S_OK;
  IQZCM_AutorizacaoCompra* pIAC = AbreServidorDeAutorizacoes(szEmpresa, hr);
  if (pIAC == nullptr) {
    std::fprintf(stderr, "compras consulta: o servidor de autorizações não abriu a empresa %s (0X%08lX)\n", szEmpresa,
                 static_cast<unsigned long>(static_cast<DWORD>(hr)));
    return 1;
  }
  int nSaida = 1;
  {
    CCaixasNaSaida caixas;
    TTela tela;
    CAutorizacaoCompraEdit edit;
    edit.SetAC(pIAC);
    if (tela.Liga(edit) && edit.Inicializa(szEmpresa, 1, 1) == S_OK) {
      tela.DigitaESai(edit, szCodigo);
      const unsigned long lChave = edit.GetChave();
      if (lChave != 0) {
        std::printf("Autorização de compra %s: %s\nChave: %lu\n", edit.GetText().GetString(), tela.Descricao().c_str(),
                    lChave);
        nSaida = 0;
      }
      edit.OnFinaliza();
    }
  }
  pIAC->Release();
  return nSaida;
}

int ConsultaCondicao(const char* szEmpresa, const char* szCodigo, int nModulo, REG_QZDMA dataValidade) {
  CCaixasNaSaida caixas;
  TTela tela;
  CCondicaoPagamentoEdit edit;
  if (!tela.Liga(edit)) return 1;
  edit.SetModulo(static_cast<unsigned char>(nModulo));
  edit.SetDataValidade(dataValidade);
  if (edit.Inicializa(szEmpresa, 1, 1) != S_OK) return 1;
  tela.DigitaESai(edit, szCodigo);
  unsigned short iChave = 0;
  const bool bValida = caixas.Caixas() == 0 && edit.GetPonteiro(iChave);
  if (bValida)
    std::printf("Condição de pagamento %s: %s\nChave: %u\n", edit.GetText().GetString(), tela.Descricao().c_str(),
                static_cast<unsigned>(iChave));
  edit.OnFinaliza();
  return bValida ? 0 : 1;
}

// Os filtros do cadastro vindos da linha de comando.
struct TOpcoesCadastro {
  TFiltroCadastro filtro;
  bool bLista = false;
};

// Imprime as linhas da lista de consulta que o edit abre e a fecha sem escolher.
void ImprimeLista(CEditCadastro& edit) {
  ScriptedUser pessoa;
  pessoa.WhenOpened(edit.GetDescricaoCadastro().szTitulo)
      .Check([](HWND hDialogo) {
        auto* pLista = static_cast<CListCtrl*>(CWnd::FromHandle(GetDlgItem(hDialogo, CConsulta::IDC_LISTA)));
        for (int i = 0; i < pLista->GetItemCount(); ++i)
          std::printf("%s\t%s\n", pLista->GetItemText(i, 0).GetString(), pLista->GetItemText(i, 1).GetString());
      })
      .Key(VK_ESCAPE);
  edit.FazConsulta();
}

int ConsultaCadastro(const char* szEmpresa, const TDescricaoCadastro& descricao, const char* szCodigo,
                     const TOpcoesCadastro& opcoes) {
  CCaixasNaSaida caixas;
  TTela tela;
  CEditCadastro edit(descricao);
  if (!tela.Liga(edit)) return 1;
  edit.Filtro() = opcoes.filtro;
  if (edit.Inicializa(szEmpresa, 1, 1) != S_OK) return 1;
  int nSaida = 1;
  if (opcoes.bLista) {
    ImprimeLista(edit);
    nSaida = 0;
  } else {
    tela.DigitaESai(edit, szCodigo);
    DWORD lChave = 0;
    if (caixas.Caixas() == 0 && edit.GetPosicao(lChave)) {
      std::printf("%s %s: %s\nChave: %lu\n", descricao.szNome, edit.GetText().GetString(), tela.Descricao().c_str(),
                  static_cast<unsigned long>(lChave));
      nSaida = 0;
    }
  }
  edit.OnFinaliza();
  return nSaida;
}

// Lê a opção de cadastro de argv[i] (e o valor seguinte); false quando não é uma delas.
bool LeOpcaoCadastro(int argc, char** argv, int& i, TOpcoesCadastro& o, const char*& szErro) {
  auto numero = [&](long nMax) -> long {
    char* pFim = nullptr;
    const long n = i + 1 < argc ? std::strtol(argv[++i], &pFim, 10) : -1;
    if (pFim == nullptr || *pFim != '\0' || n < 0 || n > nMax) szErro = "o valor da opção é um número";
    return n;
  };
  const char* a = argv[i];
  if (std::strcmp(a, "--lista") == 0)
    o.bLista = true;
  else if (std::strcmp(a, "--filial") == 0)
    o.filtro.iFilial = static_cast<WORD>(numero(65535));
  else if (std::strcmp(a, "--caracteristica") == 0)
    o.filtro.nCaracteristica = static_cast<int>(numero(65535));
  else if (std::strcmp(a, "--tipos") == 0 && i + 1 < argc)
    o.filtro.strTipos = argv[++i];
  else if (std::strcmp(a, "--servico") == 0)
    o.filtro.cProdutoServico = 'S';
  else if (std::strcmp(a, "--produto") == 0)
    o.filtro.cProdutoServico = 'P';
  else
    return false;
  return true;
}

// Os nomes dos cadastros que o comando conhece, separados por vírgula.
std::string NomesDosCadastros() {
  std::string strNomes;
  for (const TDescricaoCadastro* p : CadastrosDescritos())
    strNomes += (strNomes.empty() ? "" : ", ") + std::string(p->szNome);
  return strNomes;
}

}  // namespace

IQZCM_AutorizacaoCompra* AbreServidorDeAutorizacoes(const char* szEmpresa, HRESULT& hr) {
  IQZCM_AutorizacaoCompra* pIAC = nullptr;
  hr = QZCriaAutorizacaoCompra(&pIAC);
  if (hr == S_OK) {
    BSTR bstr = SysAllocString(Utf8ToUtf16(szEmpresa).c_str());
    hr = pIAC->Inicializa(bstr, 1, 1);
    SysFreeString(bstr);
  }
  if (hr != S_OK && pIAC != nullptr) {
    pIAC->Release();
    pIAC = nullptr;
  }
  return pIAC;
}

int ComandoConsulta(int argc, char** argv) {
  const TComando& eu = Comando("consulta");
  if (argc < 1) return UsoErrado(eu, "diga o edit (autorizacao, condicao ou um cadastro) e o código");
  if (const TDescricaoCadastro* pDescricao = DescricaoCadastro(argv[0])) {
    TOpcoesCadastro opcoes;
    const char* szCodigo = nullptr;
    const char* szEmpresa = kEmpresaPadrao;
    for (int i = 1; i < argc; ++i) {
      const char* szErro = nullptr;
      if (std::strcmp(argv[i], "--empresa") == 0 && i + 1 < argc)
        szEmpresa = argv[++i];
      else if (LeOpcaoCadastro(argc, argv, i, opcoes, szErro)) {
        if (szErro) return UsoErrado(eu, szErro);
      } else if (argv[i][0] != '-' && szCodigo == nullptr)
        szCodigo = argv[i];
      else
        return UsoErrado(eu, "argumento desconhecido");
    }
    if (szCodigo == nullptr && !opcoes.bLista) return UsoErrado(eu, "diga o código ou --lista");
    if (szCodigo != nullptr && *szCodigo == '\0') return UsoErrado(eu, "o código não pode ser vazio");
    if (!PreparaAmbiente(szEmpresa)) return 1;
    return ConsultaCadastro(szEmpresa, *pDescricao, szCodigo ? szCodigo : "", opcoes);
  }
  if (argc < 2) return UsoErrado(eu, "diga o edit (autorizacao, condicao ou um cadastro) e o código");
  const bool bAutorizacao = std::strcmp(argv[0], "autorizacao") == 0;
  if (!bAutorizacao && std::strcmp(argv[0], "condicao") != 0)
    return UsoErrado(eu, ("o edit é autorizacao, condicao ou um cadastro: " + NomesDosCadastros()).c_str());
  if (*argv[1] == '\0') return UsoErrado(eu, "o código não pode ser vazio");
  const char* szEmpresa = kEmpresaPadrao;
  int nModulo = 13;
  REG_QZDMA dataValidade = 0;
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(argv[i], "--empresa") == 0 && i + 1 < argc) {
      szEmpresa = argv[++i];
    } else if (!bAutorizacao && std::strcmp(argv[i], "--modulo") == 0 && i + 1 < argc) {
      char* pFim = nullptr;
      const long n = std::strtol(argv[++i], &pFim, 10);
      if (*argv[i] == '\0' || *pFim != '\0' || n < 0 || n > 255)
        return UsoErrado(eu, "o módulo é um número de 0 a 255");
      nModulo = static_cast<int>(n);
    } else if (!bAutorizacao && std::strcmp(argv[i], "--data") == 0 && i + 1 < argc) {
      int d = 0, m = 0, a = 0;
      char cResto = 0;
      if (std::sscanf(argv[++i], "%d/%d/%d%c", &d, &m, &a, &cResto) != 3 || !QZDMAValida(QZDMA(d, m, a)))
        return UsoErrado(eu, "a data de referência é DD/MM/AAAA");
      dataValidade = QZDMA(d, m, a);
    } else {
      return UsoErrado(eu, "argumento desconhecido");
    }
  }
  if (!PreparaAmbiente(szEmpresa)) return 1;
  return bAutorizacao ? ConsultaAutorizacao(szEmpresa, argv[1])
                      : ConsultaCondicao(szEmpresa, argv[1], nModulo, dataValidade);
}

}  // namespace compras
