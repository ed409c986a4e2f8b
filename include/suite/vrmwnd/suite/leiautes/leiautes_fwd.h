// Declarações antecipadas dos registros de layout fixo, para os cabeçalhos que só os
// recebem por ponteiro ou referência ou os devolvem: quem lê ou grava um campo inclui
// o cabeçalho do próprio layout.
#pragma once

// Cadastros lidos pelos servidores.
struct _RegContaPS;
struct _RegCFRT;
struct _Reg_InfoExtras_PS;
struct _REG_NATUREZAPS;
struct _REG_PRODUTOPS;
struct _REG_SERVICOPS;
struct _REG_UNIDADES_MEDIDAPS;
struct _REG_UNIDADES_MEDIDA_SERVICOPS;
struct tagREG_CADDOCPS;
struct REG_CM_CFGALERTAPS;
struct REG_ES_LOTEPS;
struct REG_ES_VOLUMEPS;
struct REG_ES_MOVIMENTOPS;
struct REG_DF_FILIALPS;
struct REG_CN_FILIALPS;
struct REG_HISTORICOPS;
struct REG_SIT_TRIB_PRODUTOPS;

// A nota fiscal e as suas partes.
struct tagREG_NOTA_FISCALPS;
struct tagREG_ITENS_PRODUTO_NFPS;
struct tagREG_ITENS_SERVICO_NFPS;
struct tagREG_DETALHE_ESTOQUE_NFPS;
struct tagREG_LOTE_DETALHE_NFPS;
struct tagREG_VOLUME_DETALHE_NFPS;
struct tagREG_DEDUCAO_NFPS;
struct tagREG_MENSAGEM_INFORMADA_NFPS;
struct tagREG_NOTA_FISCAL_ORIGEM_NFPS;
struct tagREG_PARCELA_NFPS;
struct tagREG_RATEIO_NFPS;
struct tagREG_RATEIO_GERENCIAL_NFPS;
struct _QZ_NFE_ps;
