// A lista de consulta da suíte (CConsulta): uma janela modal com título, colunas e
// uma linha por chave, preenchida pela função de linha do dono (pedido 1). A pessoa
// escolhe uma linha com Enter, duplo clique ou OK; "Incluir" (ou Insert) pede ao dono
// a inclusão (pedido 2) quando habilitada; F6 chama o cadastro dado por SetF6.
#pragma once

#include <functional>
#include <vector>

#include "vrmwnd/platform/afxcmn.h"
#include "vrmwnd/suite/edits/CQZDialog.h"
#include "vrmwnd/suite/exporta.h"

// Pedidos à função de linha.
enum : unsigned short { CONSULTA_PREENCHE_LINHA = 1, CONSULTA_INCLUI = 2 };

// (dono, pedido, chave, reservado, colunas): no pedido 1 preenche os textos das
// colunas da linha da chave (um CString por coluna); no pedido 2 inclui um registro.
using PFN_CONSULTA_LINHA = void (*)(long lDono, unsigned short nPedido, long lChave, unsigned short nReservado,
                                    CString* pColunas);

class VRMWND_SUITE_API CConsulta : public CQZDialog {
 public:
  enum { IDC_LISTA = 1001, IDC_INCLUIR = 1002 };

  explicit CConsulta(CWnd* pPai = nullptr);
  ~CConsulta() override;

  void SetTitulo(const CString& strTitulo) { m_strTitulo = strTitulo; }
  const CString& GetTitulo() const { return m_strTitulo; }
  // Identificação da lista (para a configuração guardada da pessoa).
  void SetIDConsulta(const CString& strID) { m_strIDConsulta = strID; }
  const CString& GetIDConsulta() const { return m_strIDConsulta; }
  // nAlinhamento: 0 esquerda, 1 direita, 2 centro; nTipo: tipo do dado (3 = texto);
  // bVisivel: 0 esconde a coluna (largura 0); nReservado: 0.
  void AdicionaColuna(const CString& strTitulo, int nLargura, int nAlinhamento, int nTipo, int bVisivel,
                      int nReservado);
  int GetQuantidadeColunas() const { return static_cast<int>(m_colunas.size()); }
  void Conecta(PFN_CONSULTA_LINHA pfnLinha, void* pDono);
  void HabilitaInclusao(int bHabilita) { m_bInclusao = bHabilita != 0; }
  bool GetInclusaoHabilitada() const { return m_bInclusao; }
  // O cadastro que F6 abre: strPrograma é o programa da instalação ou o caminho do
  // controle que pediu a lista; lReservado é 0.
  void SetF6(const CString& strPrograma, long lReservado, const CString& strEmpresa, unsigned short nUsuario,
             long lSessao);
  const CString& GetProgramaF6() const { return m_strProgramaF6; }
  // Quem trata F6 em lugar do programa (o edit que abriu a lista põe o seu cadastro).
  void SetAcaoF6(std::function<void()> acao) { m_acaoF6 = std::move(acao); }

  // As chaves a listar, uma linha cada, na ordem dada; a lista fica dona do vetor
  // (alocado com new[]) e o libera.
  virtual void SetChaves(DWORD nQtd, DWORD* pChaves);
  DWORD GetQuantidadeChaves() const { return m_nChaves; }
  // Mostra a lista (modal) e devolve não zero, com o índice da linha em *pnLinha,
  // quando a pessoa escolheu uma; 0 quando cancelou ou a lista estava vazia.
  virtual int EscolheLinha(long* pnLinha);
  // A chave da linha nLinha (0 fora da lista).
  DWORD GetChave(long nLinha) const;

 protected:
  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  void OnOK() override;
  afx_msg void OnIncluir();
  afx_msg LRESULT OnNotify(WPARAM wParam, LPARAM lParam);
  void PreencheLinhas();
  void ChamaF6();

 private:
  struct TColuna {
    CString strTitulo;
    int nLargura;
    int nAlinhamento;
    int nTipo;
    bool bVisivel;
  };
  CString m_strTitulo;
  CString m_strIDConsulta;
  std::vector<TColuna> m_colunas;
  PFN_CONSULTA_LINHA m_pfnLinha = nullptr;
  void* m_pDono = nullptr;
  bool m_bInclusao = false;
  bool m_bF6 = false;
  CString m_strProgramaF6;
  CString m_strEmpresaF6;
  unsigned short m_nUsuarioF6 = 0;
  long m_lSessaoF6 = 0;
  std::function<void()> m_acaoF6;
  DWORD* m_pChaves = nullptr;
  DWORD m_nChaves = 0;
  long m_nEscolhida = -1;
  CListCtrl m_lista;
  DLGTEMPLATEDESC m_modelo;
  DECLARE_MESSAGE_MAP()
};
