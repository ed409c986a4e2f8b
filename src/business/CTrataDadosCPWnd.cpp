// A pergunta do envio da cotação pela web: a mensagem 1907, a configuração do alerta de
// inclusão de cotação e o diálogo "Cotação Web" quando o usuário pode escolher o modelo.
#include "vrmwnd/base/QZException.h"
#include "vrmwnd/base/QZModulos.h"
#include "vrmwnd/base/QZProfiler.h"
#include "vrmwnd/business/CTrataDadosWnd.h"
#include "vrmwnd/dialogs/CDlgCotacaoWeb.h"
#include "vrmwnd/platform/msgbox.h"
#include "vrmwnd/suite/leiautes/REG_CM_CFGALERTAPS.h"
#include "vrmwnd/suite/mensagens/QZMens.h"
#include "vrmwnd/util/CCMRecursoModulo.h"
#include "vrmwnd/util/modulo.h"

namespace {

constexpr unsigned long kMensagemEnviaCotacaoWeb = 1907;
constexpr DWORD CM_TIPOALERTAEMAIL_INCLUSAO_CP = REG_CM_CFGALERTAPS::kTipoInclusaoCP;
constexpr DWORD CM_CFGALERTA_NIVEL_DETALHE_TUDO = REG_CM_CFGALERTAPS::kNivelTudo;
constexpr const char* kFonte = "TrataDadosCPWnd";

}  // namespace

unsigned CTrataDadosCPWnd::OnDoModalCotacaoWeb(bool& bEnviar, CString& strModelo) {
  CCMRecursoModulo recurso;
  bEnviar = false;
  strModelo.Empty();
  if (QZMensagem2(nullptr, kMensagemEnviaCotacaoWeb, vrmwnd::kCodigoModulo, MB_YESNO | MB_ICONQUESTION) != IDYES)
    return 1;
  bEnviar = true;
  REG_CM_CFGALERTAPS rAlerta;
  const int nLinha = __LINE__ + 1;
  const HRESULT hr = GetUsaServidor()->LeCMCfgEmail(m_ppICMMestre, &rAlerta, CM_TIPOALERTAEMAIL_INCLUSAO_CP,
                                                    CM_CFGALERTA_NIVEL_DETALHE_TUDO);
  if (hr != 0) {
    QZVerificaHR(hr, eQZFalhaSeNaoZero, this, "CTrataDadosCPWnd::OnDoModalCotacaoWeb", kFonte, nLinha,
                 "GetUsaServidor()->LeCMCfgEmail(m_ppICMMestre, &rAlerta, CM_TIPOALERTAEMAIL_INCLUSAO_CP, "
                 "CM_CFGALERTA_NIVEL_DETALHE_TUDO)");
    throw CQZExceptionEx(hr, nLinha, QZ_MODULO_COMPRAS, GetEmpresaProfiler(), kFonte, nLinha, QZ_COMPILACAO);
  }
  if (!rAlerta.szCorpoProprio().empty()) return 1;
  strModelo = CString(std::string(rAlerta.szModelo()).c_str());
  if (rAlerta.byUsuarioEscolheModelo() != 0) {
    CDlgCotacaoWeb dlg(GetEnterComoTab(), nullptr);
    dlg.m_strModelo = strModelo;
    if (dlg.DoModal() == IDOK) {
      strModelo = dlg.m_strModelo;
    } else {
      bEnviar = false;
    }
  }
  return 1;
}
