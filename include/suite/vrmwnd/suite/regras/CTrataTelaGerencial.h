// CTrataTelaGerencial, a tela do rateio gerencial de uma linha: as contas gerenciais
// e os valores em que a linha (uma classificação, numa filial e data, com um valor)
// se reparte, com o item adicional do documento ("NF:"), a sugestão pelas relações
// da classificação ou pelo plano sugerido e a soma que tem de fechar o valor da linha.
#pragma once

#include <memory>

#include "vrmwnd/base/datas.h"
#include "vrmwnd/platform/CString.h"
#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/registros/TCMTituloImposto.h"
#include "vrmwnd/suite/regras/CTrataDadosGerencial.h"

class CWnd;
class IQZDF_Profiler;
class CDlgRateioGerencial;

// O que a tela recebe: o item adicional (rótulo e texto), o plano gerencial sugerido
// (0 nenhum), o modo de consulta (nada se muda) e a relação com o item do documento:
// a variável de soma, a classificação (plano empresarial), a filial, a data e o valor.
struct VRMWND_SUITE_API TQZParametrosGerencial {
  CString strRotuloItemAdicional;
  CString strTextoItemAdicional;
  unsigned long lPlanoGerencialSugerido = 0;
  bool bConsulta = false;
  int eVariavelSoma = 0;
  long lPlanoEmpresarial = 0;
  WORD iFilial = 0;
  REG_QZDMA dmaData = 0;
  CY cyValor4{};
};

class VRMWND_SUITE_API CTrataTelaGerencial {
 public:
  explicit CTrataTelaGerencial(CQZTimer* pTimer = nullptr);
  ~CTrataTelaGerencial();
  CTrataTelaGerencial(const CTrataTelaGerencial&) = delete;
  CTrataTelaGerencial& operator=(const CTrataTelaGerencial&) = delete;

  // Com as mensagens desligadas, as recusas da tela não mostram caixa.
  void SetMostrarMensagens(bool b) { m_bMostrarMensagens = b; }
  bool GetMostrarMensagens() const { return m_bMostrarMensagens; }
  // Liga-se à empresa do contexto (as relações gerenciais e as contas vêm dela).
  HRESULT Inicializa(const IQZDF_Profiler* pContexto);
  HRESULT Finaliza();

  void SetParametrosDados(const TQZParametrosGerencial& parametros, const TQZGerencialComposto& composto);
  const TQZParametrosGerencial& GetParametros() const { return m_parametros; }
  // IDOK com o composto da tela em GetDados(), que soma o valor da linha; IDCANCEL
  // (e a consulta) deixam o composto como estava. O título é "Rateio Gerencial".
  INT_PTR DoModal(CWnd* pPai = nullptr);
  const TQZGerencialComposto& GetDados() const { return m_composto; }

  // A sugestão: pelas partes sugeridas das relações da classificação; sem elas, todo
  // o valor no plano sugerido, quando ele se relaciona com a classificação; senão
  // nenhuma linha. Fecha o valor ao centavo (a sobra vai à maior parte).
  TQZGerencialComposto Sugere();
  // A conta gerencial analítica de código strCodigo, relacionada com a classificação
  // na filial e data dos parâmetros: a chave, ou 0 com o motivo em strMotivo.
  long ContaRelacionada(const CString& strCodigo, CString& strMotivo);
  // "G.01 - Produção" da conta (vazio quando não existe).
  CString DescreveConta(long lConta);

 private:
  CTrataDadosGerencial m_regras;
  TQZParametrosGerencial m_parametros;
  TQZGerencialComposto m_composto;
  bool m_bMostrarMensagens = true;
};
