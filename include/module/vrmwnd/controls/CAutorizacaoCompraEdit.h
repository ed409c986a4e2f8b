// Edit de consulta de autorizações de compra (CAutorizacaoCompraEdit): a pessoa
// digita o código ou escolhe na lista "Relação de Autorização de Compra"; o controle
// guarda a chave de 32 bits da autorização e mostra o nome no static companheiro.
// Lê pelo servidor IQZCM_AutorizacaoCompra que a tela entrega com SetAC.
#pragma once

#include "vrmwnd/suite/edits/CBaseEditExDF.h"
#include "vrmwnd/suite/servidor/IQZCM_AutorizacaoCompra.h"
#include "vrmwnd/util/exporta.h"

class VRMWND_API CAutorizacaoCompraEditImplement {
 public:
  virtual ~CAutorizacaoCompraEditImplement() = default;
  IQZCM_AutorizacaoCompra* m_pIAC = nullptr;  // não é dono, não conta referência
  int m_nMensagem = 0;
  CString m_strDescricao;
  unsigned long m_lChave = 0;
};

class VRMWND_API CAutorizacaoCompraEdit : public CBaseEditExDF {
 public:
  CAutorizacaoCompraEdit();
  ~CAutorizacaoCompraEdit() override;
  CAutorizacaoCompraEdit(const CAutorizacaoCompraEdit&) = delete;
  CAutorizacaoCompraEdit& operator=(const CAutorizacaoCompraEdit&) = delete;

  // O servidor; tem de vir antes de qualquer consulta.
  void SetAC(IQZCM_AutorizacaoCompra* pIAC) { m_pImplement->m_pIAC = pIAC; }
  // Mostra a autorização da chave; chave 0 ou leitura que falha limpam o controle
  // (a falha vai para o log de erros). Sempre true.
  bool SetChave(unsigned long lChave);
  // A chave corrente, validando antes quando preciso; 0 sem autorização.
  unsigned long GetChave();

  HRESULT OnInicializa() override;
  HRESULT OnFinaliza() override;
  CString GetStaticText() override;
  bool ValidaValor() override { return CBaseEditExDF::ValidaValor(); }
  void SetText(const char* szTexto) override { CBaseEditExDF::SetText(szTexto); }
  void FazConsulta() { CBaseEditExDF::FazConsulta(); }

  // A função de linha da lista: só o pedido 1 (código e nome da chave); uma leitura
  // que falha é mostrada (QZTrataErro2) e a linha sai em branco.
  static void F4(long lDono, unsigned short nPedido, long lChave, unsigned short nReservado, CString* pColunas);

 protected:
  // Texto vazio vale (sem chave). Um código que não dá exatamente uma autorização é
  // recusado com a mensagem 1607. A leitura que falha depois de uma busca certa
  // lança CQZExceptionEx (local 381292).
  bool Existe(CString* pstrTexto) override;
  // Configura a lista, busca todas as chaves (falha: CQZExceptionEx 379999), mostra a
  // lista e põe a linha escolhida no controle.
  void OnConsulta(CConsulta* pConsulta) override;
  void MandaMensagem() override;
  BOOL OnUpdate() { return CBaseEditExDF::OnUpdate(); }
  BOOL OnSetFocus() { return CBaseEditExDF::OnSetFocus(); }
  BOOL OnKillFocus() { return CBaseEditExDF::OnKillFocus(); }

  CAutorizacaoCompraEditImplement* m_pImplement;
  DECLARE_MESSAGE_MAP()
};
