// CVRMWNDUtil::LogTransacao: pede a saída ao configurador de relatórios, busca no
// componente de log as entradas do documento, gera o relatório num arquivo
// temporário e o abre no visualizador. Cada passo que falha é mostrado com
// QZTrataErro2 e a operação segue para o passo seguinte.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "vrmwnd/base/CQZComPtr.h"
#include "vrmwnd/base/QZException.h"
#include "vrmwnd/base/QZInstalacao.h"
#include "vrmwnd/base/QZTemporario.h"
#include "vrmwnd/platform/process.h"
#include "vrmwnd/platform/registry.h"
#include "vrmwnd/suite/relatorios/CChamaVisualizadorRel.h"
#include "vrmwnd/suite/servidor/IQZDF_Log.h"
#include "vrmwnd/suite/mensagens/QZMens.h"
#include "vrmwnd/suite/relatorios/relatorios.h"
#include "vrmwnd/util/CVRMWNDUtil.h"
#include "vrmwnd/util/modulo.h"

namespace {

constexpr LONG kFonte = 23;
constexpr const char* kArquivoFonte = "VRMWNDUtil";
// Locais dos passos de LogTransacao.
constexpr LONG kLocalCriacao = 460117;
constexpr LONG kLocalAbertura = 460125;
constexpr LONG kLocalBusca = 460150;
constexpr LONG kLocalChaves = 460133;
constexpr LONG kLocalRelatorio = 460141;
constexpr unsigned long kMensagemSemDados = 1160;

void MostraFalha(HRESULT hr, LONG lLocal, const CString& strEmpresa, int nLinha) {
  char szModulo[4096] = "";
  GetModuleFileNameA(vrmwnd::InstanciaModulo(), szModulo, sizeof szModulo);
  QZTrataErro2(static_cast<LONGLONG>(hr), lLocal, kFonte, strEmpresa, kArquivoFonte, nLinha, QZ_COMPILACAO, false,
               nullptr, *szModulo ? CString(szModulo) : CString(vrmwnd::kArquivoModulo));
}

// O usuário do registro ("Usuario" em HKEY_CURRENT_USER\SOFTWARE\Telvaro\), texto ou
// número; 0 quando não há.
unsigned short UsuarioDoRegistro() {
  const CString strUsuario = QZLeRegistroTexto(HKEY_CURRENT_USER, QZ_CHAVE_FABRICANTE, "Usuario");
  if (!strUsuario.IsEmpty()) return static_cast<unsigned short>(std::strtoul(strUsuario.GetString(), nullptr, 10));
  HKEY hChave = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, QZ_CHAVE_FABRICANTE, 0, KEY_READ, &hChave) != ERROR_SUCCESS) return 0;
  DWORD dwTipo = REG_NONE, dwValor = 0, dwTamanho = sizeof dwValor;
  const bool bLeu = RegQueryValueExA(hChave, "Usuario", nullptr, &dwTipo, reinterpret_cast<BYTE*>(&dwValor),
                                     &dwTamanho) == ERROR_SUCCESS &&
                    dwTipo == REG_DWORD;
  RegCloseKey(hChave);
  return bLeu ? static_cast<unsigned short>(dwValor) : 0;
}

// A ação de saída (1 a 5) que o usuário escolheu no configurador, 0 para nenhuma, e
// o texto da configuração.
int PedeAcao(const CString& strEmpresa, unsigned short nUsuario, CString* pstrConfiguracao) {
  REG_CONFIG_RELATORIOPS rPedido{};
  rPedido.Set_nTamanho(static_cast<DWORD>(REG_CONFIG_RELATORIOPS::kTamanho));
  rPedido.Set_szEmpresa(strEmpresa.GetString());
  rPedido.Set_szModulo("DF");
  rPedido.Set_szCodigo("LOG");
  rPedido.Set_szTitulo("Transações (LOG)");
  rPedido.Set_nUsuario(nUsuario != 0 ? nUsuario : UsuarioDoRegistro());
  const int nResposta = MostraConfiguradorRelatorio(&rPedido, pstrConfiguracao);
  return nResposta >= QZ_SAIDA_RELATORIO_PRIMEIRA && nResposta <= QZ_SAIDA_RELATORIO_ULTIMA
             ? nResposta - QZ_SAIDA_RELATORIO_PRIMEIRA + 1
             : 0;
}

REG_FILTRO_LOGPS FiltroDoDocumento(REG_QZDMC rDocumento) {
  REG_FILTRO_LOGPS rFiltro{};
  rFiltro.Set_lUsuario(-1);
  rFiltro.Set_lDataInicial(-1);
  rFiltro.Set_lDataFinal(-1);
  rFiltro.Set_szDocumento(QZLogTextoDocumento(rDocumento));
  rFiltro.Set_byTipoDocumento(QZLogTipoDocumento(rDocumento));
  return rFiltro;
}

// Um BSTR dono do texto, liberado ao sair de escopo.
struct TBstr {
  explicit TBstr(const CString& str) : bstr(SysAllocString(Utf8ToUtf16(str.GetString()).c_str())) {}
  ~TBstr() { SysFreeString(bstr); }
  TBstr(const TBstr&) = delete;
  TBstr& operator=(const TBstr&) = delete;
  BSTR bstr;
};

}  // namespace

void CVRMWNDUtil::LogTransacao(REG_QZDMC rDocumento, const CString& strEmpresa, const CString& strTexto2,
                               unsigned short nUsuario) {
  CString strConfiguracao;
  const int nAcao = PedeAcao(strEmpresa, nUsuario, &strConfiguracao);
  if (nAcao == 0) return;

  CQZComPtr<IQZDF_Log> pLog;
  HRESULT hr = pLog.CoCreateInstance(CLSID_QZDF_Log, eQZCCI_LOG_FAILURE | eQZCCI_RETRY);
  if (hr != S_OK) {
    // Sem o componente não há o que abrir, buscar nem gerar.
    MostraFalha(hr, kLocalCriacao, strEmpresa, __LINE__);
    return;
  }
  const TBstr bstrEmpresa(strEmpresa);
  hr = pLog->Abre(bstrEmpresa.bstr, nUsuario);
  if (hr != S_OK) MostraFalha(hr, kLocalAbertura, strEmpresa, __LINE__);

  const REG_FILTRO_LOGPS rFiltro = FiltroDoDocumento(rDocumento);
  DWORD nQtd = 0;
  hr = pLog->Busca(&rFiltro, &nQtd);
  if (hr != S_OK) {
    MostraFalha(hr, kLocalBusca, strEmpresa, __LINE__);
    nQtd = 0;
  }
  std::vector<DWORD> chaves(nQtd);
  hr = pLog->LeChaves(&rFiltro, nQtd, chaves.data());
  if (hr != S_OK) MostraFalha(hr, kLocalChaves, strEmpresa, __LINE__);

  const CString strRelatorio = QZArquivoTemporario("LOG", "tmp");
  const TBstr bstrRelatorio(strRelatorio), bstrConfiguracao(strConfiguracao), bstrTexto2(strTexto2);
  hr = pLog->GeraRelatorio(bstrRelatorio.bstr, bstrConfiguracao.bstr, bstrTexto2.bstr, &rFiltro, nQtd, chaves.data());
  if (hr == QZ_S_LOG_SEM_ENTRADAS) {
    QZMensagem(kMensagemSemDados, CString(vrmwnd::kCodigoModulo));
  } else {
    if (hr != S_OK) MostraFalha(hr, kLocalRelatorio, strEmpresa, __LINE__);
    CChamaVisualizadorRel visualizador;
    visualizador.SetAcao(nAcao);
    visualizador.SetRelatorio(strRelatorio);
    visualizador.Executa();
  }
  if (!strRelatorio.IsEmpty()) std::remove(strRelatorio.GetString());
  pLog->Fecha();
}
