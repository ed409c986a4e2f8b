// compras historicos-desativados: o diálogo dos históricos desativados sobre a empresa,
// com a pessoa da linha de comando adicionando históricos e removendo linhas na ordem
// dada; as falhas que aparecem e a lista que ficou guardada no servidor vão para a
// saída. RodaHistoricosDesativados abre o mesmo diálogo com o agente instalado.
#include <cstdio>
#include <cstring>
#include <vector>

#include "comandos.h"
#include "vrmwnd/vrmwnd.h"

namespace compras {
namespace {

// A lista que o servidor guarda para o número, com a descrição de cada histórico.
bool DescreveGuardados(const char* szEmpresa, unsigned short nNumero, CString& strTexto) {
  CQZComPtr<IHisDel> pHisDel;
  if (pHisDel.CoCreateInstance(CLSID_HisDel) != S_OK) return false;
  BSTR bstrEmpresa = SysAllocString(Utf8ToUtf16(szEmpresa).c_str());
  HRESULT hr = pHisDel->SetConexao(bstrEmpresa);
  SysFreeString(bstrEmpresa);
  std::vector<REG_HISDELPS> elementos(CHistoricosDesativados::MAXIMO_HISTORICOS);
  if (hr == S_OK) hr = pHisDel->LeDesativados(nNumero, static_cast<long>(elementos.size()), elementos.data());
  CServidoresCompartilhados servidores;
  if (hr != S_OK || servidores.OnInicializa(szEmpresa) != S_OK) return false;
  int nQuantidade = 0;
  CString strLinhas;
  for (const REG_HISDELPS& e : elementos) {
    if (e.iHistorico() == 0) break;
    REG_HISTORICOPS rHistorico;
    servidores.GetUsaServidor()->LeDFHistorico(servidores.m_ppIHistorico, e.iHistorico(), &rHistorico);
    strLinhas.AppendFormat("\n  %u  %s", static_cast<unsigned>(e.iHistorico()),
                           std::string(rHistorico.szDescricao()).c_str());
    ++nQuantidade;
  }
  strTexto.Format("Históricos desativados do número %u: %d%s", static_cast<unsigned>(nNumero), nQuantidade,
                  strLinhas.GetString());
  servidores.OnFinaliza();
  return true;
}

}  // namespace

INT_PTR RodaHistoricosDesativados(const char* szEmpresa, unsigned short nNumero, CWnd* pPai, CString& strTexto) {
  CHistoricosDesativados dlg(szEmpresa, nNumero, pPai);
  const INT_PTR nResposta = dlg.DoModal();
  if (!DescreveGuardados(szEmpresa, nNumero, strTexto)) {
    strTexto.Format("A lista do número %u não pôde ser lida da empresa %s.", static_cast<unsigned>(nNumero), szEmpresa);
    return -1;
  }
  if (nResposta != IDOK) strTexto = "Cancelado: a lista não mudou.\n" + strTexto;
  return nResposta;
}

int ComandoHistoricosDesativados(int argc, char** argv) {
  const TComando& eu = Comando("historicos-desativados");
  const char* szEmpresa = kEmpresaPadrao;
  long nNumero = 1;
  bool bCancela = false;
  CPessoaDaLinha pessoa;
  Script& roteiro = pessoa.WhenOpened("Históricos Desativados");
  using D = CHistoricosDesativados;
  for (int i = 0; i < argc; ++i) {
    long n = 0;
    if (std::strcmp(argv[i], "--numero") == 0 && i + 1 < argc) {
      if (!LeInteiro(argv[++i], 0, 65535, nNumero)) return UsoErrado(eu, "o número é de 0 a 65535");
    } else if (std::strcmp(argv[i], "--adiciona") == 0 && i + 1 < argc) {
      roteiro.Type(D::IDC_EDIT_HISTORICO, argv[++i]).Click(D::IDC_ADICIONAR);
    } else if (std::strcmp(argv[i], "--remove") == 0 && i + 1 < argc) {
      if (!LeInteiro(argv[++i], 1, 100, n)) return UsoErrado(eu, "a linha a remover é de 1 a 100");
      roteiro.Click(D::IDC_LISTA).Key(VK_HOME);
      for (long k = 1; k < n; ++k) roteiro.Key(VK_DOWN);
      roteiro.Key(VK_DELETE);
    } else if (std::strcmp(argv[i], "--cancela") == 0) {
      bCancela = true;
    } else if (std::strcmp(argv[i], "--empresa") == 0 && i + 1 < argc) {
      szEmpresa = argv[++i];
    } else {
      return UsoErrado(eu, "argumento desconhecido");
    }
  }
  if (!PreparaAmbiente(szEmpresa)) return 1;
  if (bCancela)
    roteiro.Key(VK_ESCAPE);
  else
    roteiro.Click(IDOK);
  CCaixasNaSaida caixas;
  CString strTexto;
  const INT_PTR nResposta =
      RodaHistoricosDesativados(szEmpresa, static_cast<unsigned short>(nNumero), nullptr, strTexto);
  std::fprintf(nResposta < 0 ? stderr : stdout, "%s\n", strTexto.GetString());
  return nResposta == IDOK ? 0 : 1;
}

}  // namespace compras
