// compras multi-cfop | multi-fornecedor: as relações de seleção múltipla sobre a
// empresa, com a pessoa da linha de comando adicionando códigos e removendo linhas na
// ordem dada; as mensagens que aparecem e a lista devolvida (cada código como a grade
// o mostra) vão para a saída. As funções Roda* abrem a mesma relação com o agente que
// estiver instalado (o de uma tela de verdade, no terminal).
#include <cstdio>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "comandos.h"
#include "vrmwnd/vrmwnd.h"

namespace compras {
namespace {

// A lista devolvida, uma linha por código com os textos da grade.
template <class TDialogo>
CString DescreveLista(TDialogo& dlg, const char* szTitulo) {
  CString strTexto;
  strTexto.Format("%s: %d código(s)", szTitulo, dlg.GetQtdCodigos());
  if (dlg.GetQtdCodigos() > 0 && dlg.OnInicializa() != S_OK) return strTexto;
  for (int i = 0; i < dlg.GetQtdCodigos(); ++i) {
    CString strColunas[3];
    dlg.LeLinha(i, strColunas);
    strTexto.AppendFormat("\n  %s  %s", strColunas[0].GetString(), strColunas[1].GetString());
    if (!strColunas[2].IsEmpty()) strTexto.AppendFormat("  (filial %s)", strColunas[2].GetString());
  }
  if (dlg.EstaInicializado()) dlg.OnFinaliza();
  return strTexto;
}

// Roda o diálogo já preenchido, com a empresa do processo posta e tirada em volta.
template <class TDialogo>
INT_PTR Roda(TDialogo& dlg, const TPedidoMulti& pedido, const char* szTitulo, CString& strTexto) {
  if (dlg.Inicializa(pedido.szEmpresa, pedido.nUsuario, pedido.lSessao) != S_OK) {
    strTexto.Format("A empresa %s não abriu.", pedido.szEmpresa);
    return -1;
  }
  using TChave = std::remove_cvref_t<decltype(dlg.m_Codigos[0])>;
  for (unsigned long l : pedido.lista) dlg.m_Codigos.Add(static_cast<TChave>(l));
  const INT_PTR nResposta = dlg.DoModal();
  strTexto = nResposta == IDOK ? DescreveLista(dlg, szTitulo) : CString("Cancelado: a lista não mudou.");
  dlg.Finaliza();
  return nResposta;
}

// Os números de uma lista "1,2,3".
bool LeLista(const char* sz, std::vector<unsigned long>& lista) {
  lista.clear();
  std::string s = sz;
  std::size_t nInicio = 0;
  while (nInicio <= s.size()) {
    const std::size_t nFim = std::min(s.find(',', nInicio), s.size());
    long n = 0;
    if (!LeInteiro(s.substr(nInicio, nFim - nInicio).c_str(), 1, 4294967295L, n)) return false;
    lista.push_back(static_cast<unsigned long>(n));
    nInicio = nFim + 1;
  }
  return true;
}

// Os argumentos comuns às duas relações; false com o motivo em szMotivo. Os passos da
// pessoa vão para o roteiro na ordem em que vieram.
bool LeArgumentoComum(int argc, char** argv, int& i, TPedidoMulti& pedido, Script& roteiro, int nIdGrade, int nIdEdit,
                      int nIdAdicionar, int nIdRemover, const char*& szMotivo) {
  long n = 0;
  if (std::strcmp(argv[i], "--empresa") == 0 && i + 1 < argc) {
    pedido.szEmpresa = argv[++i];
  } else if (std::strcmp(argv[i], "--lista") == 0 && i + 1 < argc) {
    if (!LeLista(argv[++i], pedido.lista)) szMotivo = "a lista é de posições separadas por vírgula";
  } else if (std::strcmp(argv[i], "--adiciona") == 0 && i + 1 < argc) {
    roteiro.Type(nIdEdit, argv[++i]).Click(nIdAdicionar);
  } else if (std::strcmp(argv[i], "--remove") == 0 && i + 1 < argc) {
    if (!LeInteiro(argv[++i], 0, 9999, n)) {
      szMotivo = "a linha a remover é um número (0: nenhuma escolhida)";
    } else {
      if (n > 0) roteiro.Click(nIdGrade).Key(VK_HOME);
      for (long k = 1; k < n; ++k) roteiro.Key(VK_DOWN);
      roteiro.Click(nIdRemover);
    }
  } else if (std::strcmp(argv[i], "--cancela") == 0) {
    pedido.bCancela = true;
  } else {
    szMotivo = "argumento desconhecido";
  }
  return szMotivo == nullptr;
}

int Termina(const TPedidoMulti& pedido, Script& roteiro, INT_PTR (*pRoda)(const TPedidoMulti&, CString&)) {
  if (pedido.bCancela)
    roteiro.Key(VK_ESCAPE);
  else
    roteiro.Click(IDOK);
  CCaixasNaSaida caixas;
  CString strTexto;
  const INT_PTR nResposta = pRoda(pedido, strTexto);
  std::fprintf(nResposta < 0 ? stderr : stdout, "%s\n", strTexto.GetString());
  return nResposta == IDOK ? 0 : 1;
}

}  // namespace

INT_PTR RodaMultiCFOP(const TPedidoMulti& pedido, CString& strTexto) {
  CDlgMultiCFOP dlg(pedido.pPai);
  dlg.SetFilial(static_cast<unsigned short>(pedido.nFilial));
  return Roda(dlg, pedido, "Relação de CFOPs", strTexto);
}

INT_PTR RodaMultiFornecedor(const TPedidoMulti& pedido, CString& strTexto) {
  CDlgMultiFornecedor dlg(pedido.pPai);
  dlg.SetTipoConta(pedido.cTipoConta);
  dlg.SetCaracteristica(pedido.nCaracteristica);
  dlg.SetTextoTipoConta(pedido.szTipos);
  return Roda(dlg, pedido, "Relação de contas", strTexto);
}

int ComandoMultiCFOP(int argc, char** argv) {
  const TComando& eu = Comando("multi-cfop");
  TPedidoMulti pedido;
  CPessoaDaLinha pessoa;
  Script& roteiro = pessoa.WhenOpened("Relação de CFOPs");
  using D = CDlgMultiCFOP;
  for (int i = 0; i < argc; ++i) {
    long n = 0;
    const char* szMotivo = nullptr;
    if (std::strcmp(argv[i], "--filial") == 0 && i + 1 < argc) {
      if (!LeInteiro(argv[++i], 0, 65535, n)) return UsoErrado(eu, "a filial é um número de 0 a 65535");
      pedido.nFilial = static_cast<int>(n);
    } else if (!LeArgumentoComum(argc, argv, i, pedido, roteiro, D::IDC_GRADE, D::IDC_EDIT_NATUREZA, D::IDC_ADICIONAR,
                                 D::IDC_REMOVER, szMotivo)) {
      return UsoErrado(eu, szMotivo);
    }
  }
  if (!PreparaAmbiente(pedido.szEmpresa)) return 1;
  return Termina(pedido, roteiro, RodaMultiCFOP);
}

int ComandoMultiFornecedor(int argc, char** argv) {
  const TComando& eu = Comando("multi-fornecedor");
  TPedidoMulti pedido;
  std::vector<char*> resto;
  for (int i = 0; i < argc; ++i) {
    long n = 0;
    if (std::strcmp(argv[i], "--tipo") == 0 && i + 1 < argc) {
      const char* sz = argv[++i];
      if ((sz[0] != 'C' && sz[0] != 'G') || sz[1] != '\0')
        return UsoErrado(eu, "o tipo é C (contábil) ou G (gerencial)");
      pedido.cTipoConta = sz[0];
    } else if (std::strcmp(argv[i], "--caracteristica") == 0 && i + 1 < argc) {
      if (!LeInteiro(argv[++i], 0, 65535, n)) return UsoErrado(eu, "a característica é um número de 0 a 65535");
      pedido.nCaracteristica = static_cast<int>(n);
    } else if (std::strcmp(argv[i], "--tipos") == 0 && i + 1 < argc) {
      pedido.szTipos = argv[++i];
    } else {
      resto.push_back(argv[i]);
    }
  }
  // O título da relação depende do tipo; o roteiro espera por ele.
  CPessoaDaLinha pessoa;
  Script& roteiro = pessoa.WhenOpened(CDlgMultiFornecedor::GetTitulo(pedido.cTipoConta, pedido.nCaracteristica));
  using D = CDlgMultiFornecedor;
  const int nResto = static_cast<int>(resto.size());
  for (int i = 0; i < nResto; ++i) {
    const char* szMotivo = nullptr;
    if (!LeArgumentoComum(nResto, resto.data(), i, pedido, roteiro, D::IDC_GRADE, D::IDC_EDIT_CONTA, D::IDC_ADICIONAR,
                          D::IDC_REMOVER, szMotivo))
      return UsoErrado(eu, szMotivo);
  }
  if (!PreparaAmbiente(pedido.szEmpresa)) return 1;
  return Termina(pedido, roteiro, RodaMultiFornecedor);
}

}  // namespace compras
