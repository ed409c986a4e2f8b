// Os tratadores de documento da camada de janelas (CTrataDados<código>Wnd): cada um
// deriva da consistência do seu documento e é o contexto do profiler dos erros que
// grava. As telas os constroem no lugar das classes de regras, que os chamam de volta.
#pragma once

#include "vrmwnd/business/CTrataDadosREWnd.h"
#include "vrmwnd/suite/regras/CConsisteDados.h"
#include "vrmwnd/util/exporta.h"

// Os tratadores sem operações próprias: o cronômetro passa sem mudança à base.
#define QZ_DECLARA_TRATA_DADOS_WND(Codigo)                                                               \
  class VRMWND_API CTrataDados##Codigo##Wnd : public CConsisteDados##Codigo, public CQZProfilerEmpresa { \
   public:                                                                                               \
    explicit CTrataDados##Codigo##Wnd(CTimer2* pTimer);                                                  \
    ~CTrataDados##Codigo##Wnd() override;                                                                \
  };
QZ_DECLARA_TRATA_DADOS_WND(AC)
QZ_DECLARA_TRATA_DADOS_WND(CC)
QZ_DECLARA_TRATA_DADOS_WND(CT)
QZ_DECLARA_TRATA_DADOS_WND(OP)
#undef QZ_DECLARA_TRATA_DADOS_WND

// O tratador da cotação: as regras, ao incluir uma cotação, perguntam por ele se ela
// vai aos fornecedores pela web e com que modelo de e-mail.
class VRMWND_API CTrataDadosCPWnd : public CConsisteDadosCP, public CQZProfilerEmpresa {
 public:
  explicit CTrataDadosCPWnd(CTimer2* pTimer);
  ~CTrataDadosCPWnd() override;
  // Pergunta (mensagem 1907, Sim/Não) se a cotação vai pela web; no Sim lê a
  // configuração do alerta de inclusão de cotação: com o corpo próprio preenchido não
  // há modelo; senão o modelo é o configurado, e, quando a configuração deixa o
  // usuário escolher, o diálogo "Cotação Web" o troca (o Cancelar desiste do envio).
  // A leitura que falha vai ao log de erros e é lançada como CQZExceptionEx, com
  // bEnviar true. Devolve 1.
  unsigned OnDoModalCotacaoWeb(bool& bEnviar, CString& strModelo) override;
};

class CDlgMsgCm;

// O tratador da ordem de compra: as regras, quando a ordem passa do orçamento,
// perguntam por ele se ela é liberada mesmo assim, mostrando as linhas excedidas.
class VRMWND_API CTrataDadosOCWnd : public CConsisteDadosOC, public CQZProfilerEmpresa {
 public:
  explicit CTrataDadosOCWnd(CTimer2* pTimer);
  ~CTrataDadosOCWnd() override;
  // Mostra a mensagem e as linhas (3 células: contábil, gerencial e valor excedente;
  // ou 4, com o período de vencimentos à frente) no diálogo de mensagem com grade,
  // com a pergunta "Deseja liberar?", e devolve IDYES ou IDNO; sem linhas devolve 2 sem
  // mostrar nada. Linha com mais células que colunas: CInvalidArgException.
  unsigned OnDoModalOrcamento(const CString& strMensagem, const T_Lista<T_Lista<CString>>& linhas) override;

 private:
  // Título, mensagem, pergunta, ícone de pergunta e as colunas de nColunas células.
  void PreparaMsgOrcamento(CDlgMsgCm* pDlg, const CString& strMensagem, int nColunas);
};

// A solicitação de compra cria, antes da sua base, o tratador de cotação com o mesmo
// cronômetro e o entrega à base, que fica com ele (e o destrói); assim as regras da
// solicitação perguntam pela tela através do tratador de cotação desta camada.
class VRMWND_API CTrataDadosSCWnd : public CConsisteDadosSC, public CQZProfilerEmpresa {
 public:
  explicit CTrataDadosSCWnd(CTimer2* pTimer);
  ~CTrataDadosSCWnd() override;
};
