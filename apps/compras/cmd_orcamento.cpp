// compras mensagem-grade | ordem liberar: o diálogo de mensagem com grade sobre uma
// tabela de demonstração (tamanho, cópia com Ctrl+Shift+F2, resposta) e a liberação de
// uma ordem de compra acima do orçamento, com a pessoa da linha de comando respondendo.
#include <cstdio>
#include <cstring>
#include <string>

#include "comandos.h"
#include "vrmwnd/platform/clipboard.h"
#include "vrmwnd/vrmwnd.h"

namespace compras {
namespace {

const char* NomeDaResposta(unsigned n) {
  return n == IDYES ? "Sim" : n == IDNO ? "Não" : n == 2 ? "nada a perguntar" : "sem resposta";
}

std::string TextoDaAreaDeTransferencia() {
  if (!OpenClipboard(nullptr)) return std::string();
  HANDLE h = GetClipboardData(CF_TEXT);
  std::string s = h ? static_cast<const char*>(GlobalLock(h)) : "";
  if (h) GlobalUnlock(h);
  CloseClipboard();
  return s;
}

// Os tamanhos do diálogo aberto, em pixels.
struct TTamanhos {
  int nLarguraGrade = 0, nAlturaGrade = 0, nLarguraDialogo = 0, nAlturaDialogo = 0;
};

void MedeTamanhos(HWND h, TTamanhos& t) {
  RECT r{};
  GetWindowRect(GetDlgItem(h, CDlgMsgCm::IDC_GRADE), &r);
  t.nLarguraGrade = r.right - r.left;
  t.nAlturaGrade = r.bottom - r.top;
  GetWindowRect(h, &r);
  t.nLarguraDialogo = r.right - r.left;
  t.nAlturaDialogo = r.bottom - r.top;
}

}  // namespace

void PreencheTabelaDeDemonstracao(CDlgMsgCm& dlg, int nLinhas, int nLarguraDescricao) {
  const struct {
    const char* szTitulo;
    int nLargura, nAlinhamento;
  } kColunas[] = {{"Linha", 60, 0}, {"Descrição", nLarguraDescricao, 0}, {"Valor", 95, 2}};
  for (const auto& c : kColunas) {
    CDlgMsgCm::CInformacaoColuna coluna;
    coluna.m_strTitulo = c.szTitulo;
    coluna.m_nLargura = c.nLargura;
    coluna.m_nAlinhamento = c.nAlinhamento;
    dlg.m_Colunas.Add(coluna);
  }
  for (int i = 1; i <= nLinhas; ++i) {
    CString strLinha, strDescricao, strValor;
    strLinha.Format("%d", i);
    strDescricao.Format("Item %d", i);
    strValor.Format("%d,00", i * 100);
    dlg.m_Colunas[0].m_Linhas.Add(strLinha);
    dlg.m_Colunas[1].m_Linhas.Add(strDescricao);
    dlg.m_Colunas[2].m_Linhas.Add(strValor);
  }
}

int ComandoMensagemGrade(int argc, char** argv) {
  const TComando& eu = Comando("mensagem-grade");
  long nLinhas = -1, nLargura = 170;
  int nResposta = IDNO;
  bool bCopia = false;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--linhas") == 0 && i + 1 < argc) {
      if (!LeInteiro(argv[++i], 0, 1000, nLinhas)) return UsoErrado(eu, "as linhas são de 0 a 1000");
    } else if (std::strcmp(argv[i], "--largura") == 0 && i + 1 < argc) {
      if (!LeInteiro(argv[++i], 1, 10000, nLargura)) return UsoErrado(eu, "a largura da descrição é de 1 a 10000");
    } else if (std::strcmp(argv[i], "--responde") == 0 && i + 1 < argc) {
      if (!LeResposta(argv[++i], nResposta)) return UsoErrado(eu, "a resposta é sim ou nao");
    } else if (std::strcmp(argv[i], "--copia") == 0) {
      bCopia = true;
    } else {
      return UsoErrado(eu, "argumento desconhecido");
    }
  }
  if (nLinhas < 0) return UsoErrado(eu, "diga quantas linhas a tabela tem (--linhas N)");
  constexpr char kTitulo[] = "Compras - Mensagem com grade";
  TTamanhos tamanhos;
  CPessoaDaLinha pessoa;
  Script& roteiro = pessoa.WhenOpened(kTitulo).Check([&](HWND h) { MedeTamanhos(h, tamanhos); });
  if (bCopia) roteiro.Key(VK_F2, {VK_LCONTROL, VK_LSHIFT});
  roteiro.Click(nResposta);

  CDlgMsgCm dlg(nullptr);
  dlg.SetTitulo(kTitulo);
  dlg.SetMensagem("Tabela de demonstração.");
  dlg.SetPergunta("Confirma?");
  dlg.SetIcon(IDI_QUESTION);
  PreencheTabelaDeDemonstracao(dlg, static_cast<int>(nLinhas), static_cast<int>(nLargura));
  const INT_PTR nResultado = dlg.DoModal();
  std::printf("Grade: %d x %d pixels\nDiálogo: %d x %d pixels\n", tamanhos.nLarguraGrade, tamanhos.nAlturaGrade,
              tamanhos.nLarguraDialogo, tamanhos.nAlturaDialogo);
  if (bCopia) std::printf("Área de transferência:\n%s", TextoDaAreaDeTransferencia().c_str());
  std::printf("Resposta: %s (%d)\n", NomeDaResposta(static_cast<unsigned>(nResultado)), static_cast<int>(nResultado));
  return nResultado == IDYES || nResultado == IDNO ? 0 : 1;
}

bool LiberaOrdemCompra(const char* szEmpresa, unsigned short nUsuario, LONG lSessao, unsigned long lNumero,
                       CString& strTexto) {
  CTrataDadosOCWnd tratador(nullptr);
  TLigacaoTratador ligacao(tratador, szEmpresa, nUsuario, lSessao);
  if (ligacao.Resultado() != S_OK) {
    strTexto.Format("As regras da ordem de compra não abriram a empresa %s.", szEmpresa);
    return false;
  }
  TCMLiberacaoOC liberacao;
  if (const HRESULT hr = tratador.LiberaOrdem(lNumero, liberacao); hr != S_OK) {
    strTexto.Format("A ordem %lu não pôde ser liberada (0X%08lX): %s", lNumero,
                    static_cast<unsigned long>(static_cast<DWORD>(hr)),
                    tratador.GetUsaServidor()->GetUltimoErro().c_str());
    return false;
  }
  strTexto.Empty();
  if (liberacao.linhas.GetSize() > 0) strTexto += liberacao.strMensagem + "\n";
  for (INT_PTR i = 0; i < liberacao.linhas.GetSize(); ++i) {
    strTexto += " ";
    for (INT_PTR j = 0; j < liberacao.linhas[i].GetSize(); ++j) strTexto += (j ? " | " : " ") + liberacao.linhas[i][j];
    strTexto += "\n";
  }
  strTexto.AppendFormat("Resultado: %u (%s)\nOrdem %lu: %s", liberacao.nResposta, NomeDaResposta(liberacao.nResposta),
                        lNumero, liberacao.bLiberada ? "liberada" : "não liberada");
  return true;
}

int DialogoLiberaOrdem(const char* szEmpresa, unsigned long lNumero) {
  CString strTexto;
  const bool bCerto = LiberaOrdemCompra(szEmpresa, 1, 1, lNumero, strTexto);
  std::fprintf(bCerto ? stdout : stderr, "%s%s\n", bCerto ? "" : "compras ordem: ", strTexto.GetString());
  return bCerto ? 0 : 1;
}

int ComandoOrdem(int argc, char** argv) {
  const TComando& eu = Comando("ordem");
  if (argc < 2 || std::strcmp(argv[0], "liberar") != 0) return UsoErrado(eu, "diga o número da ordem: ordem liberar N");
  long lNumero = 0;
  if (!LeInteiro(argv[1], 1, 2147483647L, lNumero)) return UsoErrado(eu, "o número da ordem é um inteiro positivo");
  const char* szEmpresa = kEmpresaPadrao;
  int nResposta = 0;
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(argv[i], "--responde") == 0 && i + 1 < argc) {
      if (!LeResposta(argv[++i], nResposta)) return UsoErrado(eu, "a resposta é sim ou nao");
    } else if (std::strcmp(argv[i], "--empresa") == 0 && i + 1 < argc) {
      szEmpresa = argv[++i];
    } else {
      return UsoErrado(eu, "argumento desconhecido");
    }
  }
  if (nResposta == 0) return UsoErrado(eu, "diga a resposta à pergunta (--responde sim|nao)");
  if (!PreparaAmbiente(szEmpresa)) return 1;
  CPessoaDaLinha pessoa;
  pessoa.WhenOpened("Tarvo Compras - Ordem de Compras").Click(nResposta);
  return DialogoLiberaOrdem(szEmpresa, static_cast<unsigned long>(lNumero));
}

}  // namespace compras
